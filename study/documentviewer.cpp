#include "study/documentviewer.h"

#include "base/datapaths.h"
#include "base/messages.h"
#include "study/documentchoice.h"
#include "study/rtfreader.h"

#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

DocumentViewer::DocumentViewer(const QString &name, const QRect &geometry, QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    // The documents are study material only: nothing in them is followed.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void DocumentViewer::fitPictures(QTextDocument *doc) const
{
    // A picture wider than the viewer is shown at the viewer's width, so a small viewer needs no
    // sideways scrolling.
    const qreal room = viewport()->width() - 2 * doc->documentMargin() - verticalScrollBar()->sizeHint().width();
    if (room <= 0)
        return;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!fragment.isValid() || !picture.isValid() || picture.width() <= room)
                continue;
            picture.setHeight(picture.height() * room / picture.width());
            picture.setWidth(room);
            QTextCursor cursor(doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

bool DocumentViewer::loadDocument(const QString &relativePath)
{
    // Read into a document of its own first, so a file that cannot be read leaves the viewer as it was.
    auto *next = new QTextDocument(this);
    QString error;
    if (!RtfReader::loadFile(DataPaths::resolve(relativePath), next, &error)) {
        delete next;
        Messages::showError(
            QStringLiteral("Cannot open the document \"%1\"%2")
                .arg(relativePath, error.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + error));
        return false;
    }
    // The viewer's first document belongs to the viewer's text control, which deletes it on the
    // swap; the ones read here belong to the viewer and go once replaced.
    fitPictures(next);
    const QPointer<QTextDocument> previous = document();
    setDocument(next);
    if (previous && previous->parent() == this)
        delete previous;
    m_file = relativePath;
    return true;
}

bool openIntroduction(DocumentViewer *RichEdit2)
{
    if (!RichEdit2->loadDocument(DocumentChoice::introduction))
        return false;
    RichEdit2->show();
    return true;
}

ExteriorPage::ExteriorPage(QWidget *parent)
    : Page(QStringLiteral("exterior"), QStringLiteral("exterior"), QStringLiteral("Image13"), parent)
{
    RichEdit4 = new DocumentViewer(QStringLiteral("RichEdit4"), QRect(64, 50, 933, 559), this);
    RichEdit4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    SpeedButton6 = new HotSpot(QStringLiteral("SpeedButton6"), QRect(920, 642, 65, 23), this);
    connect(SpeedButton6, &HotSpot::clicked, this, &ExteriorPage::menuRequested);
}

bool ExteriorPage::openExterior(int courseSelection)
{
    const QString file = DocumentChoice::exteriorInspection(courseSelection);
    return !file.isEmpty() && RichEdit4->loadDocument(file);
}

bool ExteriorPage::openInterior(int courseSelection)
{
    const QString file = DocumentChoice::interiorInspection(courseSelection);
    return !file.isEmpty() && RichEdit4->loadDocument(file);
}
