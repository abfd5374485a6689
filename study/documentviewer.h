#pragma once

#include "controls/page.h"

#include <QTextBrowser>

// A read-only viewer of the rich-text study documents.
class DocumentViewer : public QTextBrowser {
    Q_OBJECT
public:
    DocumentViewer(const QString &name, const QRect &geometry, QWidget *parent);

    // Replaces the content with a document of the data directory read as RTF. A document that
    // cannot be read is reported in an error box naming the file and the viewer keeps what it
    // showed; returns whether the content changed.
    bool loadDocument(const QString &relativePath);

    // The data path of the document shown; empty before the first load.
    QString documentFile() const { return m_file; }

private:
    void fitPictures(QTextDocument *doc) const;

    QString m_file;
};

// What "Introduction" does on the main menu: loads the introduction into the menu's viewer and
// shows the viewer. A document that cannot be read leaves the viewer as it was, shown or hidden.
bool openIntroduction(DocumentViewer *RichEdit2);

// The page of the vehicle-inspection documents.
class ExteriorPage : public Page {
    Q_OBJECT
public:
    explicit ExteriorPage(QWidget *parent = nullptr);

    // What "Exterior Inspection" and "Interior Inpection" do after the menu's check: load the
    // course's document. They return true when the window should switch to the page, false when
    // there is nothing to show (no interior document for the motorcycle) or the document could
    // not be read; then nothing has changed.
    bool openExterior(int courseSelection);
    bool openInterior(int courseSelection);

signals:
    void menuRequested();

private:
    DocumentViewer *RichEdit4;
    HotSpot *SpeedButton6; // back to the main menu
};
