#pragma once

#include <QListWidget>
#include <QString>

class QLabel;
class QWidget;

// The list box of the study pages. It reports a choice the way the learner makes it: a press on an
// item (even the item already selected) or a key that moves the selection. Selecting a row from
// code stays silent, so opening a page never runs its topic steps.
class StudyListBox : public QListWidget {
    Q_OBJECT
public:
    explicit StudyListBox(const QString &name, QWidget *parent);

    // Selects a row without reporting a choice; -1 clears the selection.
    void selectRow(int row);

    // Every item is this many pixels high; 0 leaves the height to the font.
    void setItemHeight(int pixels);
    int itemHeight() const { return m_itemHeight; }

signals:
    // The learner chose the current row.
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_itemHeight = 0;
};

namespace Study {

// Loads a picture of the data directory into a picture box. When the file cannot be opened the
// box keeps its picture and an error box names the file; returns whether the picture changed.
// The box remembers the path it shows in its "pictureFile" property. With `fitBox` the box takes
// the size of the picture.
bool showPicture(QLabel *box, const QString &relativePath, bool fitBox = false);

// As showPicture, but says nothing when the file is missing: for pictures a page shows before
// the learner has done anything.
bool showPictureQuietly(QLabel *box, const QString &relativePath, bool fitBox = false);

} // namespace Study
