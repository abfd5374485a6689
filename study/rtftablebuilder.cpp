#include "study/rtftablebuilder.h"

#include "study/rtfreader.h"

#include <QTextBlock>
#include <QTextTable>

#include <algorithm>

void RtfTableBuilder::addCellEdge(int twips)
{
    if (m_cellEdges.size() < RtfReader::maxTableColumns)
        m_cellEdges.append(twips);
}

bool RtfTableBuilder::needsMove(bool inTable) const
{
    if (inTable && !m_asText)
        return !m_table || m_rowPending || m_cellPending;
    return m_table != nullptr;
}

void RtfTableBuilder::move(QTextCursor &cursor, bool inTable)
{
    if (!inTable || m_asText) {
        if (m_table)
            leave(cursor);
    } else if (!m_table) {
        start(cursor);
    } else if (m_rowPending) {
        startRow(cursor);
    } else if (m_cellPending) {
        nextCell(cursor);
    }
}

void RtfTableBuilder::cellEnded()
{
    ++m_column;
    m_cellPending = true;
}

void RtfTableBuilder::rowEnded()
{
    m_rowPending = true;
    m_cellPending = false;
}

void RtfTableBuilder::leave(QTextCursor &cursor)
{
    cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_rowPending = false;
    m_cellPending = false;
}

void RtfTableBuilder::start(QTextCursor &cursor)
{
    const int columns = std::max<int>(1, int(m_cellEdges.size()));
    if (!reserveCells(columns))
        return;
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(4);
    format.setCellSpacing(0);
    QList<QTextLength> widths;
    int previous = 0;
    for (const int edge : std::as_const(m_cellEdges)) {
        const int width = edge - previous;
        if (width <= 0) {
            widths.clear();
            break;
        }
        widths.append(QTextLength(QTextLength::FixedLength,
                                  std::min(width / RtfReader::twipsPerPixel, double(RtfReader::maxPictureSide))));
        previous = edge;
    }
    if (!widths.isEmpty())
        format.setColumnWidthConstraints(widths);
    // Qt puts a table after the cursor's block; the empty block left by the paragraph before
    // would show as a blank line, so the table goes to the end of that paragraph. Only a plain
    // neighbour in the same frame is merged, never a table's last cell.
    const QTextBlock block = cursor.block();
    const QTextBlock before = block.previous();
    if (block.length() == 1 && before.isValid() && before.position() + before.length() == block.position() &&
        QTextCursor(before).currentFrame() == cursor.currentFrame()) {
        cursor.deletePreviousChar();
    }
    m_table = cursor.insertTable(1, columns, format);
    m_row = 0;
    m_column = 0;
    m_rowPending = false;
    m_cellPending = false;
    cursor = m_table->cellAt(0, 0).firstCursorPosition();
}

void RtfTableBuilder::startRow(QTextCursor &cursor)
{
    const int wanted = std::min<int>(int(m_cellEdges.size()), RtfReader::maxTableColumns);
    const int rowCells = std::max(wanted, m_table->columns());
    const int newColumnCells = std::max(0, wanted - m_table->columns()) * m_table->rows();
    if (!reserveCells(rowCells + newColumnCells)) {
        leave(cursor);
        return;
    }
    m_table->appendRows(1);
    m_row = m_table->rows() - 1;
    m_column = 0;
    if (wanted > m_table->columns())
        appendColumns(wanted - m_table->columns());
    m_rowPending = false;
    m_cellPending = false;
    cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
}

void RtfTableBuilder::nextCell(QTextCursor &cursor)
{
    m_cellPending = false;
    if (m_column >= m_table->columns()) {
        if (m_table->columns() < RtfReader::maxTableColumns && reserveCells(m_table->rows())) {
            appendColumns(1);
        } else {
            // Cells beyond the column limits share the last cell, tab-separated.
            m_column = m_table->columns() - 1;
            cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
            cursor.insertText(QStringLiteral("\t"));
            return;
        }
    }
    cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
}

// Widths given by the first row no longer fit a wider table, so they are dropped.
void RtfTableBuilder::appendColumns(int count)
{
    m_table->appendColumns(count);
    QTextTableFormat format = m_table->format();
    format.clearColumnWidthConstraints();
    m_table->setFormat(format);
}

// Counts cells against the document's limit; once it is reached, tables are read as text.
bool RtfTableBuilder::reserveCells(int count)
{
    if (m_cells + count > RtfReader::maxTableCells) {
        m_asText = true;
        return false;
    }
    m_cells += count;
    return true;
}
