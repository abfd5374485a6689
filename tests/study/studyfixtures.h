#pragma once

#include "controls/page.h"
#include "controls/textfader.h"
#include "study/controlspage.h"
#include "study/rulepage.h"
#include "study/studywidgets.h"
#include "tests/support/children.h"
#include "tests/support/tempdatadir.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVariant>

// Writes a small PNG into the data directory; the size tells pictures apart on screen.
inline void writePicture(const TempDataDir &dir, const QString &relative, const QSize &size = QSize(4, 3))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    dir.mkdir(relative.section(u'/', 0, -2));
    if (!image.save(dir.filePath(relative), "PNG"))
        qFatal("cannot write %s", qPrintable(relative));
}

// The data path of the picture a picture box shows; empty when it shows none from the data directory.
inline QString shownPicture(const QLabel *box)
{
    return box->property("pictureFile").toString();
}

// The controls of a study page, found by the object names its look gives them; a control the look
// leaves out is nullptr.
template <class T>
T *optionalChild(const QWidget &page, const QString &name)
{
    return name.isEmpty() ? nullptr : child<T>(&page, name);
}
inline StudyListBox *topicListOf(const RulePage &page)
{
    return child<StudyListBox>(&page, page.pageLook().topicListName);
}
inline QLabel *textLabelOf(const RulePage &page)
{
    return child<QLabel>(&page, page.pageLook().textLabelName);
}
inline QLabel *pictureBoxOf(const RulePage &page)
{
    return optionalChild<QLabel>(page, page.pageLook().pictureBoxName);
}
inline QLabel *fixedPictureOf(const RulePage &page)
{
    return optionalChild<QLabel>(page, page.pageLook().fixedPictureName);
}
inline TTextFader *bannerOf(const RulePage &page)
{
    return optionalChild<TTextFader>(page, page.pageLook().bannerName);
}
inline QLabel *pictureBoxOf(const ControlsPage &page)
{
    return child<QLabel>(&page, page.pageLook().pictureBoxName);
}
inline QLabel *explanationOf(const ControlsPage &page)
{
    return child<QLabel>(&page, page.pageLook().explanationName);
}
inline QFrame *frameOf(const ControlsPage &page)
{
    return child<QFrame>(&page, QStringLiteral("controlsFrame"));
}
inline QList<QLabel *> controlLabelsOf(const ControlsPage &page)
{
    QList<QLabel *> labels;
    for (const ControlsPage::Control &control : page.pageLook().controls)
        labels.append(child<QLabel>(&page, control.label));
    return labels;
}
template <class P>
HotSpot *backButtonOf(const P &page)
{
    return child<HotSpot>(&page, page.pageLook().backName);
}
