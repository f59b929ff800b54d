#pragma once

#include <QString>

#include <optional>

class QWidget;

// The Open dialog with the properties the main window sets before each use. It keeps its last
// file name between uses.
class CommonDialog {
public:
    explicit CommonDialog(QWidget* parent) : parent_(parent) {}

    // Whether a cancelled dialog is an error; the program never makes it one.
    bool CancelError = false;
    QString DialogTitle;
    // Description and patterns divided by "|", the patterns divided by ";" and blanks.
    QString Filter;
    // The file chosen last; a cancelled dialog leaves it as it was.
    QString FileName;

    // Shows the dialog modally; true when the user chose a file.
    bool ShowOpen();

    // The filter as the file dialog takes it, its patterns matching in either letter case.
    static QString nameFilter(const QString& filter);

    // Tests answer the next dialog in advance: a file name, or the empty text for a cancel.
    static void setNextFileName(const QString& fileName);

private:
    QWidget* parent_;
    static std::optional<QString> nextFileName_;
};
