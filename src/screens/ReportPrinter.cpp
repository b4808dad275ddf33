#include "ReportPrinter.h"

#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <memory>

namespace orbenza {

void removeTrailingBlankLines(QTextDocument& document) {
    QTextBlock last = document.lastBlock();
    while (last.isValid() && last.text().trimmed().isEmpty())
        last = last.previous();
    if (!last.isValid())
        return; // nothing but blanks: left as it is
    QTextCursor tail(&document);
    tail.setPosition(last.position() + last.length() - 1);
    tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    tail.removeSelectedText();
}

bool printTextBox(const QTextEdit& box, QPrinter& printer) {
    const QTextDocument& source = *box.document();
    const QTextCursor selection = box.textCursor();
    const bool selectionOnly =
        printer.printRange() == QPrinter::Selection && selection.hasSelection();

    // The document to print: a copy of the selected part, or a copy of the whole
    // text, laid out anew for the page.
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(source.defaultFont());
    document->setDocumentMargin(0.0);
    QTextCursor insert(document.get());
    if (selectionOnly)
        insert.insertFragment(selection.selection());
    else
        insert.insertFragment(QTextDocumentFragment(&source));
    removeTrailingBlankLines(*document);

    document->print(&printer);
    // QTextDocument::print reports nothing itself; the printer keeps its state.
    return printer.printerState() != QPrinter::Error;
}

} // namespace orbenza
