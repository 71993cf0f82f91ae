#pragma once

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/TForm1.h"
#include "app/ui/UpDown.h"
#include "platform/Bitmap.h"
#include "platform/PictureFile.h"
#include "support/DesignEditing.h"
#include "support/widgets/ManualTimer.h"
#include "support/widgets/ScriptedPrompts.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace veltmoor::testing {

// A control of the window by its name. A name the window does not know fails the test at
// once rather than handing back a null pointer to crash on.
template <class T = QWidget> T* control(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        ADD_FAILURE() << "the window has no " << T::staticMetaObject.className() << " named "
                      << name.toStdString();
        throw std::logic_error("missing control " + name.toStdString());
    }
    return found;
}

// A printable page of 8 x 10 inches at 600 dots per inch.
inline PrinterMetrics eightByTenPage() {
    PrinterMetrics metrics;
    metrics.PrinterName = QStringLiteral("Test printer");
    metrics.PageWidth = 4800;
    metrics.PageHeight = 6000;
    metrics.PixelsPerInchX = 600;
    metrics.PixelsPerInchY = 600;
    return metrics;
}

// The window on a temporary working folder with scripted dialogs, a fixed page and a
// redraw timer on the test's own clock.
struct WindowHarness {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    int now = 0; // milliseconds on the redraw timer's clock
    ManualTimer* redrawTimer = nullptr;
    std::unique_ptr<TForm1> window;

    explicit WindowHarness(WindowServices services = {}) {
        qputenv("VELTMOOR_WORKING_FOLDER", folder.filePath(QStringLiteral("work")).toUtf8());
        qputenv("VELTMOOR_SETTINGS_FILE",
                folder.filePath(QStringLiteral("settings.conf")).toUtf8());
        services.prompts = &prompts;
        services.makeRedrawTimer = [this] {
            auto timer = std::make_unique<ManualTimer>(now);
            redrawTimer = timer.get();
            return timer;
        };
        if (!services.readPrinterMetrics) {
            services.readPrinterMetrics = [](const PrinterSelection&) { return eightByTenPage(); };
        }
        window = std::make_unique<TForm1>(std::move(services));
    }
    ~WindowHarness() {
        qunsetenv("VELTMOOR_WORKING_FOLDER");
        qunsetenv("VELTMOOR_SETTINGS_FILE");
    }

    TForm1& w() { return *window; }
    template <class T = QWidget> T* control(const QString& name) {
        return testing::control<T>(*window, name);
    }
    TagDesign& design() { return window->design(); }
    // Slot N's box and check box on "Images 1 to 9", and the item of its menu with that
    // caption ("&Open Image...", "&Show Tag", "&Color Image", "&Delete Image").
    PictureBox* slotBox(int slot) {
        return control<PictureBox>(QStringLiteral("c%1Image").arg(slot, 2, 10, QLatin1Char('0')));
    }
    QCheckBox* slotCheckBox(int slot) {
        return control<QCheckBox>(QStringLiteral("CheckBox%1").arg(slot));
    }
    QAction* slotMenuItem(int slot, const QString& caption) {
        const auto* menu =
            control<QMenu>(QStringLiteral("Image%1PopupMenu").arg(slot, 2, 10, QLatin1Char('0')));
        for (QAction* item : menu->actions()) {
            if (item->text() == caption) {
                return item;
            }
        }
        ADD_FAILURE() << "the menu of slot " << slot << " has no " << caption.toStdString();
        throw std::logic_error("missing menu item " + caption.toStdString());
    }
    const img& slot(int number) { return window->design().slot(number); }
    // Changes a slot behind the window's back, as a test's set-up.
    SlotEdit editSlot(int number) { return SlotEdit(window->design(), number); }

    // Moves the redraw timer's clock on by the given time.
    void advance(int milliseconds) { redrawTimer->advanceTo(now + milliseconds); }

    // Lets the pending redraw happen.
    void settle() {
        while (window->DrawTimer().isPending()) {
            advance(window->DrawTimer().interval());
        }
    }

    // A picture file of one colour.
    QString picture(const QString& name, int width, int height, TColor color) {
        const QString path = folder.filePath(name);
        if (name.endsWith(QStringLiteral(".jpg"))) {
            writeJpeg(path, Bitmap(width, height, color));
        } else {
            writeBmp24(path, Bitmap(width, height, color));
        }
        return path;
    }

    // Shows the window (the first activation) and leaves the welcome page with a picture
    // for tag 1.
    void startDesigning(const QString& firstPicture) {
        window->show();
        prompts.answerPath(firstPicture);
        control<QPushButton>(QStringLiteral("ContinueButton"))->click();
    }

    // What typing leaves behind: the text, then the key release the edit reads it on (of a
    // key pressed in the edit; the press itself types nothing).
    static void type(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &release);
    }

    static void hover(PictureBox* box) {
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), QPointF(50, 50), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &move);
    }

    static void leftClick(PictureBox* box) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 50), QPointF(50, 50),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }

    // The preview pixel that shows tag dot (x, y) of a tag of the current size.
    QColor previewPixelForDot(int x, int y) {
        const TagDesign& d = design();
        const int larger = std::max(d.tagWidthDots(), d.tagHeightDots());
        const QImage shown =
            testing::control<PictureBox>(*window, QStringLiteral("Image2"))->rendered();
        return shown.pixelColor(x * 350 / larger, y * 350 / larger);
    }
};

inline QColor qcolor(TColor color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

// Colours as the screen shows them after scaling may be off by a little.
inline bool near(const QColor& actual, TColor expected, int tolerance = 12) {
    return std::abs(actual.red() - redOf(expected)) <= tolerance &&
           std::abs(actual.green() - greenOf(expected)) <= tolerance &&
           std::abs(actual.blue() - blueOf(expected)) <= tolerance;
}

} // namespace veltmoor::testing
