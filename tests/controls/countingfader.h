#pragma once

#include "controls/textfader.h"

// A text fader that counts its paints, to tell a repaint made at once from one merely scheduled,
// and a step that paints from one that does not.
class CountingFader : public TTextFader {
public:
    using TTextFader::TTextFader;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TTextFader::paintEvent(event);
    }
};
