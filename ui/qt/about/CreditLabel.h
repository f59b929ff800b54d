#pragma once

#include <QLabel>

// A word-wrapping label whose paragraphs are set apart by runs of blanks wider than the label.
// Each such run starts a new paragraph below a gap of half a line, where a plain label would
// let the blanks hang at the end of a line and run the paragraphs together.
class CreditLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The paragraphs as they are shown at the label's width.
    QStringList paragraphs() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
