#include "controls/label.h"

QFont pixelFont(const QString &family, int pixels, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    widget->setPalette(pal);
}

void setUpLabel(QLabel *label, const LabelSettings &settings)
{
    label->setObjectName(settings.name);
    if (!settings.geometry.isNull())
        label->setGeometry(settings.geometry);
    label->setFont(settings.font);
    setTextColour(label, settings.colour);
    if (settings.alignment)
        label->setAlignment(*settings.alignment);
    if (settings.wordWrap)
        label->setWordWrap(true);
    if (!settings.text.isEmpty())
        label->setText(settings.text);
}

QLabel *makeLabel(QWidget *parent, const LabelSettings &settings)
{
    return setUp(new QLabel(parent), settings);
}
