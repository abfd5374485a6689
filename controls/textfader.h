#pragma once

#include "controls/clickarea.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class QImage;
class QPainter;
class QTimer;

// How the background picture of an opaque fader is laid out.
enum TBackgroundMode { bmNone, bmTiled, bmStretched, bmCentered };

// Horizontal alignment of the fader's text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A window-less control that shows its lines one at a time, cross-fading from each line to the
// next. It draws on its own colour (with an optional picture) or, when transparent, on a copy of
// whatever lies behind it. Its own timer drives it.
class TTextFader : public QWidget {
    Q_OBJECT
public:
    explicit TTextFader(QWidget *parent = nullptr);
    ~TTextFader() override;

    bool Active() const { return fActive; }
    void SetActive(bool value);

    TAlignment Alignment() const { return fAlignment; }
    void SetAlignment(TAlignment value);

    const QPixmap &Background() const { return fBackground; }
    void SetBackground(const QPixmap &picture);

    TBackgroundMode BackgroundMode() const { return fBackgroundMode; }
    void SetBackgroundMode(TBackgroundMode value);

    // Milliseconds between two fade steps, 0 to 65535.
    int FadeDelay() const { return fFadeDelay; }
    void SetFadeDelay(int value);

    // Percentage points added per fade step, 1 to 100.
    int FadeStep() const { return fFadeStep; }
    void SetFadeStep(int value);

    // Milliseconds a fully shown line stays before the next fade, 0 to 65535.
    int LineDelay() const { return fLineDelay; }
    void SetLineDelay(int value);

    // Every change to the lines runs LinesChanged.
    const QStringList &Lines() const { return fLines; }
    void SetLines(const QStringList &lines);
    void ClearLines();
    void AddLine(const QString &line);
    void DeleteLine(int index); // an index outside the list changes nothing

    // The text a new control shows; a form need only store lines that differ from it.
    static const QStringList &DefaultLines();
    bool IsLinesStored() const { return fLines != DefaultLines(); }

    // Passes through all lines before the control stops; 0 runs for ever.
    int RepeatCount() const { return fRepeatCount; }
    void SetRepeatCount(int value);

    bool Transparent() const { return fTransparent; }
    void SetTransparent(bool value);

    bool WordWrap() const { return fWordWrap; }
    void SetWordWrap(bool value);

    // The background colour of an opaque control; the parent's until one is set.
    QColor Color() const;
    void SetColor(const QColor &color);

    QColor FontColor() const;
    void SetFontColor(const QColor &color);
    void SetFont(const QFont &font);

    // Index of the line taken for display last; -1 before the first line.
    int LineIndex() const { return fLineIndex; }
    void SetLineIndex(int value);

    // Passes completed since the control was last switched on.
    int ReapeatedCount() const { return fRepeatedCount; }

    void Reset();

    // Ends the loading phase: a control made active before it was first shown starts now.
    // Called by the first show; later calls change nothing.
    void Loaded();

    // Resolves the escapes of a line: \\ a backslash, \n a line break (CR LF), \t a tab; a
    // backslash before anything else is dropped with that character, and so is a final one.
    static QString Translate(const QString &line);

    // The timer's tick. Public so that tests can drive time step by step.
    void TimerExpired();

    // Builds the control's image as it paints it, at the control's size.
    QImage PaintCanvas();

    // target = (target * (100 - amount) + source * amount) div 100 on blue, green and red of
    // every pixel of source's size; the fourth byte of target stays as it is. Both images are
    // converted to 32 bits per pixel first.
    static void DrawTransparent(QImage &target, const QImage &source, int amount);

    int FadeProgress() const { return m_fadeProgress; }
    QString CurText() const { return m_curText; }
    QString OldText() const { return m_oldText; }
    const QTimer *timer() const { return m_timer; }

signals:
    void OnComplete(TTextFader *sender);
    void OnMouseEnter(TTextFader *sender);
    void OnMouseLeave(TTextFader *sender);
    void OnClick(TTextFader *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString GetNextLine();
    void LinesChanged();
    void BackgroundChanged();
    void PaintBackground(QPainter &painter);
    void PaintText(QImage &canvas, const QString &text) const;
    void CopyParentImage(QPainter &painter);

    // The timer ticks only while it is enabled and its interval is above 0.
    void setTimerEnabled(bool enabled);
    void setTimerInterval(int interval);
    void syncTimer();

    bool fActive = false;
    int fLineDelay = 2000;
    int fFadeDelay = 30;
    int fFadeStep = 4;
    TAlignment fAlignment = taCenter;
    TBackgroundMode fBackgroundMode = bmTiled;
    QPixmap fBackground;
    int fLineIndex = -1;
    QStringList fLines;
    bool fWordWrap = true;
    bool fTransparent = false;
    int fRepeatCount = 0;
    int fRepeatedCount = 0;

    QTimer *m_timer;
    bool m_timerEnabled = false;
    bool m_loading = true;
    bool m_drawing = false;
    ClickRule m_click;
    int m_fadeProgress = 0;
    QString m_curText;
    QString m_oldText;
};

// One instance of the window's table, applied in one call.
struct FaderSettings {
    QString name;   // object name, e.g. "TextFader4"
    QRect geometry; // position and size on its page
    QStringList lines;
    QString fontFamily = QStringLiteral("Arial");
    int fontPixels = 27;
    QColor fontColor = Qt::white;
    TAlignment alignment = taLeftJustify;
    bool transparent = true;
    bool handCursor = false;
    int lineDelay = 2000;
    QColor color = Qt::white; // background colour for opaque instances
};

// Creates a fader on `parent`, applies the instance settings and makes it active.
TTextFader *makeFader(QWidget *parent, const FaderSettings &settings);

// A greeting keeps to one line of its box: a long name makes the font smaller, down to two
// thirds of its design size, and what still does not fit ends in an ellipsis.
void showGreeting(TTextFader *fader, int designPixels, const QString &greeting);
