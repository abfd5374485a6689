#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// How one road-sign picture is drawn: the family gives shape and colours, the symbols the
// pictograms inside, the text any words or numbers ("/" separates lines).
struct SignDesign {
    QString family;
    QStringList symbols;
    QString text;
    QString caption;
};

// Reads the design table ("id|family|symbols|text|caption" lines, "#" comments).
// Returns false and fills error on a malformed line or a repeated identifier.
bool readSignDesigns(const QString &path, QHash<QString, SignDesign> &designs, QString &error);

// Part signs of a combination design: "family:symbols:text" items separated by "+".
QList<SignDesign> partSigns(const SignDesign &combination);
