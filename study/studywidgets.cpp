#include "study/studywidgets.h"

#include "base/messages.h"
#include "controls/datapicture.h"
#include "controls/page.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

// Gives every item of a list the same height, as the list boxes with a fixed item height do.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(m_height);
        return size;
    }

private:
    int m_height;
};

bool loadPicture(QLabel *box, const QString &relativePath, bool fitBox, bool quiet)
{
    const QPixmap picture = dataPicture(relativePath);
    if (picture.isNull()) {
        if (!quiet)
            Messages::showError(QStringLiteral("Cannot open the picture \"%1\".").arg(relativePath));
        return false;
    }
    cancelPictureLater(box);
    box->setPixmap(picture);
    if (fitBox)
        box->resize(picture.size());
    box->setProperty("pictureFile", relativePath);
    return true;
}

} // namespace

StudyListBox::StudyListBox(const QString &name, QWidget *parent) : QListWidget(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void StudyListBox::selectRow(int row)
{
    const QSignalBlocker blocker(this);
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
}

void StudyListBox::setItemHeight(int pixels)
{
    m_itemHeight = pixels;
    QAbstractItemDelegate *previous = itemDelegate();
    if (pixels > 0)
        setItemDelegate(new FixedHeightDelegate(pixels, this));
    else
        setItemDelegate(new QStyledItemDelegate(this));
    if (previous && previous->parent() == this)
        previous->deleteLater();
}

void StudyListBox::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit Click();
}

void StudyListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() >= 0 && currentRow() != before)
        emit Click();
}

namespace Study {

bool showPicture(QLabel *box, const QString &relativePath, bool fitBox)
{
    return loadPicture(box, relativePath, fitBox, false);
}

bool showPictureQuietly(QLabel *box, const QString &relativePath, bool fitBox)
{
    return loadPicture(box, relativePath, fitBox, true);
}

} // namespace Study
