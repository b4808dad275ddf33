// Printing a text box's content, or its selected part, onto a printer (a real
// printer or a PDF file).
#pragma once

class QPrinter;
class QTextDocument;
class QTextEdit;

namespace orbenza {

// Prints the box's selection when the printer's range is "selection" and the box
// has one, otherwise the whole text, with the box's fonts and colours. Returns
// false when the printer reported an error (it could not be opened, or a PDF
// file could not be written).
bool printTextBox(const QTextEdit& box, QPrinter& printer);

// Removes the blank lines at the end of a document to be printed: laid out on
// their own they would make a last page that holds nothing but its number.
void removeTrailingBlankLines(QTextDocument& document);

} // namespace orbenza
