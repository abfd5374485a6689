#pragma once

#include <QList>
#include <QTextCursor>

class QTextTable;

// Builds the tables of an RTF document as RTF describes them: a row definition (\trowd with its
// \cellx edges) followed by paragraphs marked \intbl, each \cell closing a cell and \row a row.
// Rows may have more cells than the first one; the table grows to fit, within the limits on
// columns and on the cells of a whole document. Once the cell limit is reached the rest of the
// document's tables are read as text, cells separated by tabs.
class RtfTableBuilder {
public:
    void defineRow() { m_cellEdges.clear(); }
    void addCellEdge(int twips);

    bool hasTable() const { return m_table != nullptr; }
    bool readsAsText() const { return m_asText; }

    // Whether content of a paragraph inside (or outside) a table needs the cursor moved first:
    // into a new table, row or cell, or out of the table.
    bool needsMove(bool inTable) const;
    // Moves `cursor` to where that content belongs.
    void move(QTextCursor &cursor, bool inTable);

    void cellEnded();
    void rowEnded();
    // Puts `cursor` after the table and forgets it.
    void leave(QTextCursor &cursor);

private:
    void start(QTextCursor &cursor);
    void startRow(QTextCursor &cursor);
    void nextCell(QTextCursor &cursor);
    void appendColumns(int count);
    bool reserveCells(int count);

    QTextTable *m_table = nullptr;
    QList<int> m_cellEdges; // \cellx of the current row definition, twips
    int m_row = 0;
    int m_column = 0;
    bool m_rowPending = false;  // \row seen: the next table content starts a new row
    bool m_cellPending = false; // \cell seen: the next table content goes to the next cell
    qint64 m_cells = 0;
    bool m_asText = false;
};
