#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Which picture belongs to which sign of the road-sign browser. A sign is known by its
// category and its row in that category's sign list, never by its caption, so the sign
// list files may be reworded freely as long as their line order stays.
namespace SignPictureTable {

// The categories in the order the browser lists them (alphabetical).
QStringList categories();

// Number of rows the table has for the category; 0 for an unknown category.
int rowCount(const QString &category);

// Picture identifier of a row ("images/" + identifier + ".png"). The category must match
// exactly, case included; a row past the category's rows has no picture.
std::optional<QString> identifier(const QString &category, int row);

// Every identifier the table uses, each once, in table order.
QStringList allIdentifiers();

} // namespace SignPictureTable
