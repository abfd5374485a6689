#pragma once

class QWidget;

// Presents every message of the program as a modal box titled "Tarmika" with one OK button,
// centred on `window`, until the window is gone or another presenter is set.
void presentMessagesInBoxes(QWidget *window);
