#pragma once

#include "platform/Platform.h"

#include <QWidget>

class CreditLabel;
class QLabel;

// The About window: a picture, the credit to FFmpeg, and links to the maker's page and to
// FFmpeg's. It deletes itself when closed.
class frnAbout : public QWidget {
    Q_OBJECT
public:
    static constexpr char16_t MakerPage[] = u"https://www.pelmora.example/";
    static constexpr char16_t FfmpegPage[] = u"https://ffmpeg.org/";

    explicit frnAbout(platform::Platform& platform);

    // The credit text: three paragraphs set apart by runs of blanks wider than the label.
    static QString creditText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Image1_Click();
    void Label2_Click();

    platform::Platform& platform_;
    QLabel* Image1;
    CreditLabel* Label1;
    QLabel* Label2;
};
