// The progress window's Cancel, the line breaks of shown texts, the guard that keeps an
// exception from leaving an event handler, the error box with the error's own text, and the focus
// frame.
#include "platform/ui_qt/Progress.h"
#include "platform/ui_qt/FocusFrameStyle.h"
#include "platform/ui_qt/GuardedApplication.h"
#include "platform/ui_qt/QtTranslations.h"
#include "platform/ui_qt/QtUserInterface.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOption>
#include <functional>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    // CTest's environment for Qt tests may not arrive; no display is needed either way.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down among the exit handlers it would outlive Qt's own statics.
    static QApplication* app = new TGuardedApplication(argc, argv);
    return *app;
}

// An event handler that raises what the case gives.
class TRaising : public QObject {
public:
    std::function<void()> Raise;
    bool event(QEvent*) override {
        Raise();
        return true;
    }
};

TEST(GuardedApplicationTest, AnExceptionFromAnEventHandlerIsShownAndTheProgramGoesOn) {
    App();
    struct Case {
        std::function<void()> Raise;
        std::vector<std::string> Shown;
    };
    const Case cases[] = {
        {[] {}, {}},
        {[] { throw Exception("Napaka v izpisu"); }, {"Napaka v izpisu"}},
        {[] { throw std::out_of_range("vector::at"); }, {"vector::at"}},
        {[] { throw EAbort(); }, {}},
    };
    for (const Case& c : cases) {
        TRecordingUi ui;
        TScopedUi scoped(ui);
        TRaising receiver;
        receiver.Raise = c.Raise;
        QEvent event(QEvent::User);
        EXPECT_NO_THROW(QApplication::sendEvent(&receiver, &event));
        EXPECT_EQ(ui.Errors, c.Shown);
    }
}

TEST(ProgressTest, StepsUntilCancelThenAbortsAndTheNextStartForgetsIt) {
    App();
    TQtUserInterface ui;
    TScopedUi scoped(ui);
    TfProgress& progress = TfProgress::Instance();
    EXPECT_EQ(&ui.Progress(), &progress);
    {
        TProgressScope scope("Copy to clipboard", 3);
        EXPECT_TRUE(progress.isVisible());
        EXPECT_EQ(progress.windowTitle(), "Copy to clipboard") << "a caption a user understands";
        EXPECT_TRUE(progress.isModal()) << "nothing else starts while it runs";
        EXPECT_EQ(progress.Title(), "Copy to clipboard");
        scope.Step();
        EXPECT_EQ(progress.Bar()->value(), 1);
        progress.CancelButton()->click();
        EXPECT_THROW(scope.Step(), EAbort);
    }
    EXPECT_FALSE(progress.isVisible());
    progress.Start("again", 1);
    EXPECT_NO_THROW(progress.Step());
    progress.Stop();
}

TEST(QtTranslationsTest, QtsOwnButtonsSpeakSlovenian) {
    App();
    ASSERT_TRUE(InstallQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Prekliči");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), "Print");
}

TEST(ProgressTest, WaitCursorIsRestoredByItsGuard) {
    App();
    TQtUserInterface ui;
    TScopedUi scoped(ui);
    {
        TWaitCursor wait;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

void Prepared(QMessageBox& box, const std::string& text, const std::function<void()>& raise) {
    try {
        raise();
    } catch (...) {
        PrepareMessageBox(box, QMessageBox::Information, text);
        return;
    }
    PrepareMessageBox(box, QMessageBox::Information, text);
}

TEST(MessageBoxTest, AMessageOfAHandledErrorCarriesTheErrorsTextUnderPodrobnosti) {
    App();
    ASSERT_TRUE(InstallQtTranslations());
    const std::string ora = "ORA-01017: invalid username/password; logon denied";
    struct Case {
        std::function<void()> Raise;
        std::string Text;
        QMessageBox::Icon Icon;
        QString Details;
    };
    const Case cases[] = {
        {[] {}, "Za izbrani dan 15.03.2024 ni podatkov!", QMessageBox::Information, ""},
        {[&] { throw Exception(ora); }, "Prijava v orc1 ni uspela!", QMessageBox::Critical,
         QString::fromStdString(ora)},
        {[&] { throw Exception(ora); }, ora, QMessageBox::Critical, ""},
        {[] { throw EAbort(); }, "Prenos je preklican pri branju", QMessageBox::Information, ""},
    };
    for (const Case& c : cases) {
        QMessageBox box;
        Prepared(box, c.Text, c.Raise);
        EXPECT_EQ(box.text().toStdString(), c.Text);
        EXPECT_EQ(box.icon(), c.Icon) << c.Text;
        EXPECT_EQ(box.detailedText(), c.Details) << c.Text;
        bool podrobnosti = false;
        for (const QAbstractButton* button : box.buttons())
            podrobnosti = podrobnosti || button->text() == "Podrobnosti";
        EXPECT_EQ(podrobnosti, !c.Details.isEmpty()) << c.Text;
    }
}

// Drawn frames of the focus rectangle and of a focused push button, whose base style draws none.
TEST(FocusFrameStyleTest, TheFocusFrameIsDrawnWholeInTheHighlightColour) {
    App();
    TFocusFrameStyle style;
    for (const bool button : {false, true}) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QStyleOptionButton option;
        option.rect = image.rect();
        option.state = QStyle::State_HasFocus | QStyle::State_Enabled;
        option.palette.setColor(QPalette::Highlight, Qt::blue);
        QPainter painter(&image);
        if (button)
            style.drawControl(QStyle::CE_PushButton, &option, &painter);
        else
            style.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
        painter.end();
        const int in = button ? 1 : 0; // a button's frame sits one pixel inside its bevel
        for (const QPoint at :
             {QPoint(20, 1 + in), QPoint(20, 18 - in), QPoint(1 + in, 10), QPoint(38 - in, 10)})
            EXPECT_EQ(image.pixelColor(at), QColor(Qt::blue)) << button << " " << at.x() << "," << at.y();
    }
}

} // namespace
