#include "study/signspage.h"

#include "base/datapaths.h"
#include "base/guard.h"
#include "base/linelistfile.h"
#include "base/messages.h"
#include "controls/label.h"
#include "controls/palette.h"
#include "controls/textfader.h"
#include "study/signpicturetable.h"
#include "study/studywidgets.h"

#include <QFileInfo>
#include <QLabel>

namespace {
const QString generalPicture = QStringLiteral("images/rs.png");
constexpr qsizetype maxCaptionLength = 500;
} // namespace

SignsPage::SignsPage(QWidget *parent)
    : Page(QStringLiteral("Signs"), QStringLiteral("Signs"), QStringLiteral("Image1"), parent)
{
    ListBox2 = new StudyListBox(QStringLiteral("ListBox2"), this);
    ListBox2->setGeometry(93, 130, 300, 391);
    ListBox2->setFrameShape(QFrame::NoFrame);
    ListBox2->setFont(pixelFont(QStringLiteral("Arial"), 12));
    setTextColour(ListBox2, Palette::maroon);
    // The table lists the categories alphabetically already; the list shows them as they stand.
    ListBox2->addItems(SignPictureTable::categories());
    connect(ListBox2, &StudyListBox::Click, this, &SignsPage::ListBox2Click);

    discbox = new StudyListBox(QStringLiteral("discbox"), this);
    discbox->setGeometry(399, 130, 585, 179);
    discbox->setFrameShape(QFrame::NoFrame);
    discbox->setFont(pixelFont(QStringLiteral("Arial"), 15, false, true));
    setTextColour(discbox, Palette::darkBlue);
    discbox->setItemHeight(17);
    discbox->addItems({QStringLiteral("Stop sign"), QStringLiteral("Stop signs"), QStringLiteral("Stop/Yield Sign"),
                       QStringLiteral("3 - Way stop sign"), QStringLiteral("4 - way Stop sign")});
    connect(discbox, &StudyListBox::Click, this, &SignsPage::discboxClick);

    Sign = new QLabel(this);
    Sign->setObjectName(QStringLiteral("Sign"));
    Sign->setGeometry(399, 315, 585, 246);
    Sign->setAlignment(Qt::AlignCenter);

    Label2 = makeLabel(this, {.name = QStringLiteral("Label2"),
                              .geometry = QRect(64, 567, 933, 50),
                              .font = pixelFont(QStringLiteral("Arial"), 16, true),
                              .colour = Palette::maroon,
                              .alignment = Qt::AlignHCenter | Qt::AlignTop,
                              .wordWrap = true});
    Label2->setTextFormat(Qt::PlainText);
    Label2->setText(QStringLiteral("Traffic Signs"));

    FaderSettings banner;
    banner.name = QStringLiteral("TextFader13");
    banner.geometry = QRect(128, 80, 777, 33);
    banner.fontPixels = 21;
    banner.fontColor = Qt::white;
    banner.alignment = taCenter;
    banner.transparent = true;
    TextFader13 = makeFader(this, banner);

    SpeedButton5 = new HotSpot(QStringLiteral("SpeedButton5"), QRect(927, 642, 57, 22), this);
    connect(SpeedButton5, &HotSpot::clicked, this, &SignsPage::menuRequested);
}

QString SignsPage::signListFile(const QString &category)
{
    return DataPaths::docDir + u'/' + category + QStringLiteral(".lrn");
}

void SignsPage::open()
{
    ListBox2->selectRow(0);
    categorySteps();
}

void SignsPage::ListBox2Click()
{
    categorySteps();
}

void SignsPage::categorySteps()
{
    guarded([&] {
        QListWidgetItem *chosen = ListBox2->currentItem();
        if (!chosen)
            return;
        const QString category = chosen->text();
        // The general picture stands until a sign is chosen; when it is missing the sign list
        // is still worth showing, so a failed load does not end the steps.
        Study::showPicture(Sign, generalPicture);

        const QString file = signListFile(category);
        const QString path = DataPaths::resolve(file);
        if (QFileInfo::exists(path)) {
            const QStringList signs = LineListFile::read(path);
            discbox->clear();
            // A caption is a short phrase. A damaged list with a line of megabytes would keep the
            // list and the caption label busy laying it out for many seconds, so each is cut short;
            // the rows stay in place, and with them the pictures.
            for (const QString &sign : signs)
                discbox->addItem(sign.left(maxCaptionLength));
            discbox->selectRow(-1);
            discbox->scrollToTop();
        } else {
            // The sign lists are content beside the program: a missing one is reported and never
            // replaced by a made-up file. The previous category's rows would pair its captions
            // with this category's pictures, so the list is emptied.
            discbox->clear();
            Messages::show(QStringLiteral("The sign list \"%1\" is missing, so the signs of %2 cannot be shown.")
                               .arg(file, category));
        }

        TextFader13->SetLines({category});
    });
}

void SignsPage::discboxClick()
{
    guarded([&] {
        const int row = discbox->currentRow();
        QListWidgetItem *sign = discbox->currentItem();
        QListWidgetItem *category = ListBox2->currentItem();
        if (!sign || row < 0)
            return;
        Label2->setText(sign->text());
        if (!category)
            return;
        const std::optional<QString> identifier = SignPictureTable::identifier(category->text(), row);
        if (identifier)
            Study::showPicture(Sign, DataPaths::imagesDir + u'/' + *identifier + QStringLiteral(".png"));
    });
}
