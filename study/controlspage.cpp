#include "study/controlspage.h"

#include "controls/clickarea.h"
#include "controls/label.h"
#include "controls/palette.h"
#include "study/studywidgets.h"

#include <QFrame>
#include <QLabel>

namespace {

const QString narrow = QStringLiteral("Arial Narrow");

} // namespace

ControlsPage::Kind ControlsPage::kindForCourse(int courseSelection)
{
    return courseSelection == 2 ? Kind::MotorcycleT : Kind::LightVT;
}

ControlsPage::ControlsPage(Kind kind, QWidget *parent)
    : Page(look(kind).page, look(kind).caption, look(kind).backgroundName, parent), m_look(look(kind))
{
    m_picture = new QLabel(this);
    m_picture->setObjectName(m_look.pictureBoxName);
    m_picture->setGeometry(m_look.pictureGeometry);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The resting picture is read when the page is first shown: most learners never open both
    // vehicle-controls pages, and start-up should not wait for them.
    loadPictureLater(m_picture, [this] { Study::showPictureQuietly(m_picture, m_look.restingPicture, true); });

    m_explanation = makeLabel(this, {.name = m_look.explanationName,
                                     .geometry = m_look.explanationGeometry,
                                     .font = pixelFont(narrow, 29),
                                     .colour = Palette::maroon,
                                     .alignment = Qt::AlignHCenter | Qt::AlignTop,
                                     .wordWrap = true});
    m_explanation->setTextFormat(Qt::PlainText);
    m_explanation->setText(m_look.startingCaption);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("controlsFrame"));
    m_frame->setGeometry(m_look.frameGeometry);
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setLineWidth(4);
    setTextColour(m_frame, Palette::darkBlue);

    for (const Control &c : std::as_const(m_look.controls)) {
        auto *label = new ClickArea(this);
        label->setObjectName(c.label);
        label->setGeometry(c.geometry);
        label->setFont(pixelFont(narrow, 29));
        setTextColour(label, Palette::darkBlue);
        label->setTextFormat(Qt::PlainText);
        label->setText(c.caption);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (c.geometry.isEmpty())
            adjustSizeOnFirstShow(label);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, Palette::lightBlue);
        label->setPalette(pal);
        // Transparent until pointed at: the background colour shows only with auto-fill.
        label->setAutoFillBackground(false);
        connect(label, &ClickArea::entered, this, [this, label] { labelMouseEnter(label); });
        connect(label, &ClickArea::left, this, [this, label] { labelMouseLeave(label); });
        m_labels.append(label);
    }

    m_back = new HotSpot(m_look.backName, m_look.backGeometry, this);
    connect(m_back, &HotSpot::clicked, this, &ControlsPage::menuRequested);
}

QLabel *ControlsPage::controlLabel(const QString &name) const
{
    for (QLabel *label : m_labels)
        if (label->objectName() == name)
            return label;
    return nullptr;
}

const ControlsPage::Control *ControlsPage::controlOf(const QLabel *label) const
{
    const int index = m_labels.indexOf(const_cast<QLabel *>(label));
    return index < 0 ? nullptr : &m_look.controls.at(index);
}

void ControlsPage::labelMouseEnter(QLabel *label)
{
    const Control *c = controlOf(label);
    if (!c)
        return;
    // A missing picture is reported, but the name still lights up and the sentence still shows:
    // the explanation is the lesson, the picture only illustrates it.
    if (!Study::showPicture(m_picture, c->picture, true)) {
        // The pointer may have moved on while the error box was open; then the name is left.
        auto *area = static_cast<ClickArea *>(label);
        area->recheckHover();
        if (!area->hovered()) {
            labelMouseLeave(label);
            return;
        }
    }
    if (c->highlight)
        label->setAutoFillBackground(true);
    m_explanation->setText(c->explanation);
}

void ControlsPage::labelMouseLeave(QLabel *label)
{
    const Control *c = controlOf(label);
    if (!c)
        return;
    Study::showPicture(m_picture, m_look.restingPicture, true);
    if (c->highlight)
        label->setAutoFillBackground(false);
    m_explanation->setText(c->restoresCaption ? m_look.startingCaption : QString());
}
