#pragma once

#include <QWidget>

class QImage;
class QPlainTextEdit;
class QPushButton;
class QRect;

namespace veltmoor {

class PictureBox;

// "About", the welcome page: a sample tag, a few words on how to start, and the buttons that
// start a new sheet, open a saved one or end the program.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(QWidget* parent = nullptr);

    // The sample tag as composed, with the slogan over it.
    void showSample(const QImage& tag, const QRect& preview);
    void showSlogan();
    // The buttons wait until the window has first been shown; then "Continue" has the focus.
    void offerStart();

signals:
    void continueAsked();
    void openAsked();
    void exitAsked();

private:
    PictureBox* AboutSampleImage = nullptr;
    QPlainTextEdit* AboutMemo = nullptr;
    QPushButton* ContinueButton = nullptr;
    QPushButton* ExitAboutButton = nullptr;
};

} // namespace veltmoor
