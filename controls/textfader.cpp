#include "controls/textfader.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QTextOption>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int StartInterval = 5; // the first line of a fresh start fades in at once
constexpr int MaxDelay = 65535;  // delays are 16-bit values

// Saves the painter's state and restores it however the step between ends.
class PainterStateSaver {
public:
    explicit PainterStateSaver(QPainter &painter) : m_painter(painter) { m_painter.save(); }
    ~PainterStateSaver() { m_painter.restore(); }
    PainterStateSaver(const PainterStateSaver &) = delete;
    PainterStateSaver &operator=(const PainterStateSaver &) = delete;

private:
    QPainter &m_painter;
};

Qt::Alignment horizontalAlignment(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return Qt::AlignLeft;
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

QImage to32Bit(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

} // namespace

TTextFader::TTextFader(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    // Every pixel is painted from the off-screen image, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    fLines = DefaultLines();
    connect(m_timer, &QTimer::timeout, this, &TTextFader::TimerExpired);
    resize(200, 16);
}

TTextFader::~TTextFader()
{
    // Switched off without the repaint a switch-off normally makes: the parent may already be
    // half torn down, and nothing would ever show the picture.
    fActive = false;
    setTimerEnabled(false);
}

const QStringList &TTextFader::DefaultLines()
{
    static const QStringList lines{
        QStringLiteral("TTextFader v1.24"),
        QStringLiteral("Cross-fading text for Tarmika"),
        QStringLiteral("Tarmika: study and practise for your learner's licence"),
        QStringLiteral("Road signs, rules of the road and vehicle controls"),
        QStringLiteral("Practice questions and test mode with scores"),
        QStringLiteral("Thank you for learning with Tarmika"),
    };
    return lines;
}

void TTextFader::SetActive(bool value)
{
    if (value == fActive)
        return;
    fActive = value;
    m_fadeProgress = 100;
    if (m_loading)
        return;
    setTimerEnabled(value);
    if (!value) {
        repaint();
    } else {
        fRepeatedCount = 0;
        setTimerInterval(StartInterval);
    }
}

void TTextFader::SetAlignment(TAlignment value)
{
    if (value == fAlignment)
        return;
    fAlignment = value;
    repaint();
}

void TTextFader::SetBackground(const QPixmap &picture)
{
    fBackground = picture;
    BackgroundChanged();
}

void TTextFader::SetBackgroundMode(TBackgroundMode value)
{
    if (value == fBackgroundMode)
        return;
    fBackgroundMode = value;
    repaint();
}

void TTextFader::SetFadeDelay(int value)
{
    value = std::clamp(value, 0, MaxDelay);
    if (value == fFadeDelay)
        return;
    fFadeDelay = value;
    if (m_fadeProgress < 100)
        setTimerInterval(value);
}

void TTextFader::SetFadeStep(int value)
{
    // A step of 0 would never finish a fade.
    fFadeStep = std::clamp(value, 1, 100);
}

void TTextFader::SetLineDelay(int value)
{
    value = std::clamp(value, 0, MaxDelay);
    if (value == fLineDelay)
        return;
    fLineDelay = value;
    if (m_fadeProgress == 100)
        setTimerInterval(value);
}

void TTextFader::SetLines(const QStringList &lines)
{
    fLines = lines;
    LinesChanged();
}

void TTextFader::ClearLines()
{
    fLines.clear();
    LinesChanged();
}

void TTextFader::AddLine(const QString &line)
{
    fLines.append(line);
    LinesChanged();
}

void TTextFader::DeleteLine(int index)
{
    if (index < 0 || index >= fLines.size())
        return;
    fLines.removeAt(index);
    LinesChanged();
}

void TTextFader::SetRepeatCount(int value)
{
    fRepeatCount = std::max(value, 0);
}

void TTextFader::SetTransparent(bool value)
{
    if (value == fTransparent)
        return;
    fTransparent = value;
    repaint();
}

void TTextFader::SetWordWrap(bool value)
{
    if (value == fWordWrap)
        return;
    fWordWrap = value;
    repaint();
}

QColor TTextFader::Color() const
{
    return palette().color(QPalette::Window);
}

void TTextFader::SetColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    update();
}

QColor TTextFader::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TTextFader::SetFontColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
    // The menu entries change colour under the mouse pointer; waiting for the next paint cycle
    // would make them lag behind it.
    repaint();
}

void TTextFader::SetFont(const QFont &font)
{
    setFont(font); // the font change event repaints
}

void TTextFader::SetLineIndex(int value)
{
    if (value < 0)
        value = 0;
    if (value >= fLines.size())
        value = int(fLines.size()) - 1;
    if (value == fLineIndex)
        return;
    fLineIndex = value;
    if (m_fadeProgress == 100)
        setTimerInterval(fLineDelay);
}

void TTextFader::Reset()
{
    m_fadeProgress = 100;
    m_oldText.clear();
    m_curText.clear();
    fLineIndex = -1;
    if (fActive)
        setTimerInterval(StartInterval);
    else
        repaint();
}

void TTextFader::Loaded()
{
    if (!m_loading)
        return;
    m_loading = false;
    if (fActive) {
        setTimerEnabled(true);
        setTimerInterval(StartInterval);
    }
}

QString TTextFader::Translate(const QString &line)
{
    QString result;
    result.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (ch != QLatin1Char('\\')) {
            result += ch;
            continue;
        }
        if (++i == line.size())
            break;
        switch (line.at(i).unicode()) {
        case '\\':
            result += QLatin1Char('\\');
            break;
        case 'n':
            result += QLatin1String("\r\n");
            break;
        case 't':
            result += QLatin1Char('\t');
            break;
        default:
            break;
        }
    }
    return result;
}

void TTextFader::TimerExpired()
{
    if (m_fadeProgress == 100) {
        m_oldText = m_curText;
        m_curText = GetNextLine();
        if (fActive) {
            m_fadeProgress = 0;
            setTimerInterval(fFadeDelay);
        }
    }
    m_fadeProgress = std::min(m_fadeProgress + fFadeStep, 100);
    // At 30 ms a step, waiting for the next paint cycle would make the fade stutter. A line fading
    // into itself (every pass of a single-line control) shows the same pixels at every step, so
    // it is not painted again: the main menu's entries would otherwise repaint all the time.
    if (m_oldText != m_curText)
        repaint();
    if (m_fadeProgress == 100) {
        setTimerInterval(fLineDelay);
        emit OnComplete(this);
    }
}

QString TTextFader::GetNextLine()
{
    if (fLineIndex >= fLines.size() - 1) {
        if (fRepeatedCount < INT_MAX)
            ++fRepeatedCount;
        if (fRepeatCount != 0 && fRepeatedCount >= fRepeatCount)
            SetActive(false);
        else
            SetLineIndex(0);
    } else {
        SetLineIndex(fLineIndex + 1);
    }
    return fLineIndex < 0 ? QString() : Translate(fLines.at(fLineIndex));
}

void TTextFader::LinesChanged()
{
    if (fLineIndex >= fLines.size())
        SetLineIndex(int(fLines.size()) - 1);
}

void TTextFader::BackgroundChanged()
{
    repaint();
}

void TTextFader::setTimerEnabled(bool enabled)
{
    if (enabled == m_timerEnabled)
        return;
    m_timerEnabled = enabled;
    syncTimer();
}

void TTextFader::setTimerInterval(int interval)
{
    if (interval == m_timer->interval())
        return;
    // A QTimer with interval 0 would fire whenever the event loop is idle; here 0 means no ticks.
    if (interval <= 0)
        m_timer->stop();
    m_timer->setInterval(interval); // a running timer restarts with the new interval
    syncTimer();
}

void TTextFader::syncTimer()
{
    const bool run = m_timerEnabled && m_timer->interval() > 0;
    if (run && !m_timer->isActive())
        m_timer->start();
    else if (!run && m_timer->isActive())
        m_timer->stop();
}

QImage TTextFader::PaintCanvas()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (pixels.isEmpty())
        return QImage();
    QImage canvas(pixels, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    {
        QPainter painter(&canvas);
        PaintBackground(painter);
    }
    // Fading a line into itself gives the same pixels as not fading at all; single-line faders
    // do that on every line change, so they skip the second image.
    if (m_fadeProgress == 100 || m_oldText == m_curText) {
        PaintText(canvas, m_curText);
    } else {
        QImage old = canvas.copy();
        PaintText(old, m_oldText);
        PaintText(canvas, m_curText);
        DrawTransparent(canvas, old, 100 - m_fadeProgress);
    }
    return canvas;
}

void TTextFader::PaintBackground(QPainter &painter)
{
    if (fTransparent) {
        // Whatever the parent leaves unpainted stays black rather than undefined memory.
        painter.fillRect(rect(), Qt::black);
        CopyParentImage(painter);
        return;
    }
    painter.fillRect(rect(), Color());
    if (fBackground.isNull())
        return;
    switch (fBackgroundMode) {
    case bmNone:
        break;
    case bmTiled:
        painter.drawTiledPixmap(rect(), fBackground);
        break;
    case bmStretched:
        painter.drawPixmap(rect(), fBackground);
        break;
    case bmCentered: {
        const QSize size = fBackground.deviceIndependentSize().toSize();
        // Integer division truncates toward zero, so a larger picture is centred and clipped.
        painter.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, fBackground);
        break;
    }
    }
}

void TTextFader::CopyParentImage(QPainter &painter)
{
    QWidget *parent = parentWidget();
    if (!parent || isWindow())
        return;
    const QRect bounds = geometry();

    // The parent's own background and painting, without any of its children.
    const QRect parentPart = bounds & parent->rect();
    if (!parentPart.isEmpty()) {
        PainterStateSaver saver(painter);
        parent->render(&painter, parentPart.topLeft() - bounds.topLeft(), QRegion(parentPart),
                       QWidget::DrawWindowBackground);
    }

    // Then the window-less siblings beneath this control, bottom first, each only where it
    // overlaps. Siblings above it, and native windows, are not part of what lies behind.
    for (QObject *object : parent->children()) {
        if (object == this)
            break;
        if (!object->isWidgetType())
            continue;
        auto *sibling = static_cast<QWidget *>(object);
        if (sibling->isWindow() || sibling->testAttribute(Qt::WA_NativeWindow) || sibling->isHidden())
            continue;
        const QRect overlap = sibling->geometry() & bounds;
        if (overlap.isEmpty())
            continue;
        PainterStateSaver saver(painter);
        sibling->render(&painter, overlap.topLeft() - bounds.topLeft(), QRegion(overlap.translated(-sibling->pos())),
                        QWidget::DrawChildren);
    }
}

void TTextFader::PaintText(QImage &canvas, const QString &text) const
{
    if (text.isEmpty())
        return;
    QPainter painter(&canvas);
    painter.setFont(font());
    painter.setPen(FontColor());

    QTextOption option;
    option.setAlignment(horizontalAlignment(fAlignment) | Qt::AlignTop);
    option.setWrapMode(fWordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setTextDirection(layoutDirection());
    // Tab stops every eight average characters, as classic text drawing expands them.
    option.setTabStopDistance(8 * QFontMetricsF(font()).averageCharWidth());

    // Qt breaks lines at LF and would draw the CR of a translated line break as a space.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    const QRectF measured = painter.boundingRect(QRectF(0, 0, width(), 0), shown, option);
    const int textHeight = int(std::ceil(measured.height()));
    const int top = (height() - textHeight) / 2;
    painter.drawText(QRectF(0, top, width(), textHeight), shown, option);
}

void TTextFader::DrawTransparent(QImage &target, const QImage &source, int amount)
{
    target = to32Bit(target);
    const QImage src = to32Bit(source);
    amount = std::clamp(amount, 0, 100);
    const quint32 take = quint32(amount);
    const quint32 keep = 100 - take;
    // Rows and columns of the source, but never past the target's edge.
    const int rows = std::min(src.height(), target.height());
    const int columns = std::min(src.width(), target.width());

    if (target.format() == QImage::Format_RGB32 && src.format() == QImage::Format_RGB32) {
        // Both fourth bytes are 0xff here, and 0xff blends to 0xff, so every byte can go through
        // the same plain loop, which the compiler turns into wide vector arithmetic. The fader's
        // own images always take this way.
        const int bytes = columns * 4;
        const quint16 keep16 = quint16(keep);
        const quint16 take16 = quint16(take);
        for (int y = 0; y < rows; ++y) {
            uchar *out = target.scanLine(y);
            const uchar *in = src.constScanLine(y);
            for (int i = 0; i < bytes; ++i)
                out[i] = uchar(quint16(out[i] * keep16 + in[i] * take16) / 100);
        }
        return;
    }

    for (int y = 0; y < rows; ++y) {
        auto *out = reinterpret_cast<quint32 *>(target.scanLine(y));
        const auto *in = reinterpret_cast<const quint32 *>(src.constScanLine(y));
        for (int x = 0; x < columns; ++x) {
            const quint32 t = out[x];
            const quint32 s = in[x];
            const quint32 blue = ((t & 0xff) * keep + (s & 0xff) * take) / 100;
            const quint32 green = (((t >> 8) & 0xff) * keep + ((s >> 8) & 0xff) * take) / 100;
            const quint32 red = (((t >> 16) & 0xff) * keep + ((s >> 16) & 0xff) * take) / 100;
            out[x] = (t & 0xff000000u) | (red << 16) | (green << 8) | blue;
        }
    }
}

void TTextFader::paintEvent(QPaintEvent *)
{
    if (m_drawing)
        return;
    m_drawing = true;
    const auto clear = qScopeGuard([this] { m_drawing = false; });
    const QImage canvas = PaintCanvas();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas);
}

void TTextFader::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Loaded();
}

void TTextFader::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        repaint();
}

void TTextFader::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit OnMouseEnter(this);
}

void TTextFader::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit OnMouseLeave(this);
}

void TTextFader::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TTextFader::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_click.release(this, event);
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (click)
        emit OnClick(this);
}

TTextFader *makeFader(QWidget *parent, const FaderSettings &settings)
{
    auto *fader = new TTextFader(parent);
    fader->setObjectName(settings.name);
    fader->setGeometry(settings.geometry);
    fader->SetLines(settings.lines);
    QFont font(settings.fontFamily);
    font.setPixelSize(settings.fontPixels);
    fader->SetFont(font);
    fader->SetFontColor(settings.fontColor);
    fader->SetAlignment(settings.alignment);
    fader->SetTransparent(settings.transparent);
    fader->SetColor(settings.color);
    fader->SetLineDelay(settings.lineDelay);
    if (settings.handCursor)
        fader->setCursor(Qt::PointingHandCursor);
    fader->SetActive(true);
    return fader;
}

void showGreeting(TTextFader *fader, int designPixels, const QString &greeting)
{
    QFont font = fader->font();
    QString shown = greeting;
    for (int pixels = designPixels; pixels >= designPixels * 2 / 3; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(shown) <= fader->width())
            break;
    }
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(shown) > fader->width())
        shown = metrics.elidedText(shown, Qt::ElideRight, fader->width());
    fader->SetWordWrap(false);
    fader->SetFont(font);
    fader->SetLines({shown});
}
