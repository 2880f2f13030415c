// The toolkit seam: the Qt chart surface and dialogs, and the test doubles
// that the other tests rely on.
#include "ui/qtchartsurface.h"
#include "ui/qtdialogs.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/doubles/scripteddialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

using ui::Colour;
using ui::QtChartSurface;
using ui::RecordingSurface;
namespace palette = ui::palette;

QColor qcolor(Colour c) { return QColor(c.red, c.green, c.blue); }

// The smallest rectangle holding every pixel that differs from the background.
QRect inkedArea(const QImage& image, QColor background = Qt::white)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                area |= QRect(x, y, 1, 1);
    return area;
}

// A surface of 100 by 100 pixels.
struct SurfaceTest : ::testing::Test {
    QtChartSurface surface;
    void SetUp() override { surface.setSizeTwips(1500, 1500); }
    QColor at(int x, int y) const { return surface.image().pixelColor(x, y); }
};

TEST_F(SurfaceTest, LinesAreDrawnInPixelsOf15TwipsAndLeaveThePositionAtTheirEnd)
{
    ASSERT_EQ(surface.image().size(), QSize(100, 100));
    EXPECT_EQ(surface.widthTwips(), 1500);

    surface.line(150, 300, 1350, 300, palette::red);
    EXPECT_EQ(at(10, 20), qcolor(palette::red));
    EXPECT_EQ(at(50, 20), qcolor(palette::red));
    EXPECT_EQ(at(90, 20), qcolor(palette::red));
    EXPECT_EQ(at(50, 19), Qt::white);
    EXPECT_EQ(at(50, 21), Qt::white);
    EXPECT_EQ(inkedArea(surface.image()), QRect(QPoint(10, 20), QPoint(90, 20)));
    EXPECT_EQ(surface.currentX(), 1350);
    EXPECT_EQ(surface.currentY(), 300);

    // Without a colour: the foreground, black.
    surface.line(600, 0, 600, 1500);
    EXPECT_EQ(at(40, 50), Qt::black);
    EXPECT_EQ(surface.currentX(), 600);
    EXPECT_EQ(surface.currentY(), 1500);
}

TEST_F(SurfaceTest, LinesFarOutsideOrNotFiniteDrawOnlyWhatIsInside)
{
    surface.line(-1e12, 750, 1e12, 750, palette::blue);
    EXPECT_EQ(inkedArea(surface.image()), QRect(0, 50, 100, 1));

    const QImage before = surface.image();
    surface.line(0, 0, std::numeric_limits<double>::quiet_NaN(), 100, palette::red);
    surface.circle(std::numeric_limits<double>::infinity(), 0, 40, palette::red);
    EXPECT_EQ(surface.image(), before);
}

TEST_F(SurfaceTest, CircleIsAnOutlineAroundItsCentreWhichBecomesThePosition)
{
    surface.circle(750, 750, 300, palette::blue); // radius 20 pixels about (50, 50)
    EXPECT_EQ(surface.currentX(), 750);
    EXPECT_EQ(surface.currentY(), 750);
    EXPECT_EQ(at(50, 50), Qt::white);
    const QRect area = inkedArea(surface.image());
    EXPECT_NEAR(area.left(), 30, 1);
    EXPECT_NEAR(area.right(), 70, 1);
    EXPECT_NEAR(area.top(), 30, 1);
    EXPECT_NEAR(area.bottom(), 70, 1);
    EXPECT_EQ(at(area.left(), 50), qcolor(palette::blue));
}

TEST_F(SurfaceTest, PrintPutsTheTextBelowAndRightOfThePositionThenMovesOneLineDown)
{
    const double lineHeight = surface.lineHeightTwips();
    ASSERT_GT(lineHeight, 0);
    EXPECT_EQ(lineHeight, RecordingSurface::lineHeight()); // the tests see the positions users see

    surface.setCurrentPosition(300, 450); // pixel (20, 30)
    surface.print({"Atmos. pr=", 29.92126});
    const QRect area = inkedArea(surface.image());
    ASSERT_FALSE(area.isEmpty());
    EXPECT_GE(area.left(), 19);
    EXPECT_LE(area.left(), 23);
    EXPECT_GE(area.top(), 29);
    EXPECT_LE(area.bottom(), 30 + lineHeight / 15);
    EXPECT_EQ(surface.image().pixelColor(area.left(), area.top()).alpha(), 255);
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_EQ(surface.currentY(), 450 + lineHeight);

    surface.print({"next"});
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_EQ(surface.currentY(), 450 + 2 * lineHeight);
}

TEST_F(SurfaceTest, ResizingKeepsWhatWasDrawn)
{
    surface.line(0, 150, 1500, 150, palette::red);
    surface.line(150, 0, 150, 1500, palette::blue);
    surface.setSizeTwips(3000, 2250);
    ASSERT_EQ(surface.image().size(), QSize(200, 150));
    EXPECT_EQ(at(50, 10), qcolor(palette::red));
    EXPECT_EQ(at(10, 50), qcolor(palette::blue));
    EXPECT_EQ(at(150, 100), Qt::white);
}

TEST_F(SurfaceTest, RefreshAndFocusWorkOnAShownSurface)
{
    surface.show();
    surface.activateWindow();
    QApplication::processEvents();
    for (int i = 0; i < 50; ++i) {
        surface.line(i * 30, 0, i * 30, 1500, palette::grey);
        surface.refresh();
    }
    surface.refresh();
    QApplication::processEvents();
    const QImage shown = surface.grab().toImage();
    EXPECT_EQ(shown.pixelColor(48, 50), qcolor(palette::grey)); // the line at 720 twips
    EXPECT_EQ(shown.pixelColor(49, 50), Qt::white);

    surface.takeFocus();
    QApplication::processEvents();
    EXPECT_TRUE(surface.hasFocus());
}

struct SaveTest : SurfaceTest {
    QTemporaryDir folder;
    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
};

TEST_F(SaveTest, SavesWhatTheSurfaceShowsAsABitmapWhateverTheName)
{
    ASSERT_TRUE(folder.isValid());
    surface.line(0, 150, 1500, 150, palette::red);

    std::string reason;
    ASSERT_TRUE(surface.saveAsBmp(path("chart.png"), reason)) << reason;
    QImageReader reader(QString::fromStdString(path("chart.png")));
    EXPECT_EQ(reader.format(), "bmp");
    const QImage saved = reader.read();
    ASSERT_EQ(saved.size(), QSize(100, 100));
    EXPECT_EQ(saved.pixelColor(50, 10), qcolor(palette::red));
    EXPECT_EQ(saved.pixelColor(50, 20), Qt::white);

    // Saving leaves nothing beneath what is drawn later.
    surface.clear();
    EXPECT_TRUE(inkedArea(surface.image()).isEmpty());
}

TEST_F(SaveTest, FailedSaveGivesAReasonAndLeavesTheOldFileAlone)
{
    ASSERT_TRUE(folder.isValid());
    std::string reason;
    EXPECT_FALSE(surface.saveAsBmp(path("missing-folder/chart.bmp"), reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(QFile::exists(folder.filePath("missing-folder/chart.bmp")));

    // A write that fails half-way (the file size limit) keeps the old file.
    const std::string old = path("old.bmp");
    {
        QFile file(QString::fromStdString(old));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the old good file");
    }
    surface.line(0, 150, 1500, 150, palette::red);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    reason.clear();
    const bool written = surface.saveAsBmp(old, reason);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_FALSE(reason.empty());
    QFile file(QString::fromStdString(old));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the old good file");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.bmp"});
}

// The recording surface shows what the real one shows.
TEST(RecordingSurface, RecordsInOrderAndShowsWhatWasDrawnSinceTheLastClear)
{
    using Kind = RecordingSurface::Kind;
    RecordingSurface surface;
    surface.setCurrentPosition(100, 200);
    surface.print({"Rh=", 10});
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_EQ(surface.currentY(), 200 + RecordingSurface::lineHeight());
    surface.line(0, 0, 10, 20);
    EXPECT_EQ(surface.currentX(), 10);
    EXPECT_EQ(surface.currentY(), 20);
    surface.refresh();
    std::string reason;
    ASSERT_TRUE(surface.saveAsBmp("a.bmp", reason));
    surface.circle(5, 6, 40, palette::red);
    EXPECT_EQ(surface.currentX(), 5);
    EXPECT_EQ(surface.currentY(), 6);
    surface.clear();
    surface.line(1, 2, 3, 4, palette::green);
    surface.takeFocus();

    std::vector<Kind> kinds;
    for (const auto& op : surface.log())
        kinds.push_back(op.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Text, Kind::Line, Kind::Refresh, Kind::Save, Kind::Circle, Kind::Clear,
                                         Kind::Line, Kind::Focus}));

    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_EQ(surface.texts()[0].text, "Rh= 10 ");
    EXPECT_EQ(surface.texts()[0].x1, 100);
    EXPECT_EQ(surface.texts()[0].y1, 200);
    ASSERT_EQ(surface.lines().size(), 2u);
    EXPECT_FALSE(surface.lines()[0].colour.has_value());
    EXPECT_EQ(surface.lines()[1].colour, palette::green);
    EXPECT_EQ(surface.refreshCount(), 1);
    EXPECT_EQ(surface.focusCount(), 1);

    // The save held the text and the first line; the clear left only the
    // last line.
    EXPECT_EQ(surface.saved().back().content.size(), 2u);
    ASSERT_EQ(surface.visible().size(), 1u);
    EXPECT_EQ(surface.visible().back().colour, palette::green);

    surface.failSaves("Disk full");
    EXPECT_FALSE(surface.saveAsBmp("b.bmp", reason));
    EXPECT_EQ(reason, "Disk full");
    EXPECT_EQ(surface.savedPaths(), std::vector<std::string>{"a.bmp"});
    EXPECT_EQ(surface.count(Kind::Save), 2);
}

TEST(RecordingSurface, LinesAndCirclesThatAreNotFiniteDrawNothingAsOnTheRealSurface)
{
    const double inf = std::numeric_limits<double>::infinity();
    ui::RecordingSurface surface;
    surface.setCurrentPosition(10, 20);
    surface.line(0, 0, inf, 5);
    surface.line(std::nan(""), 0, 5, 5, ui::palette::green);
    surface.circle(inf, 0, 5, ui::palette::red);
    EXPECT_TRUE(surface.visible().empty());
    EXPECT_EQ(surface.currentX(), 10);
    EXPECT_EQ(surface.currentY(), 20);
}

TEST(ScriptedDialogs, AnswersFromTheQueueThenByDefault)
{
    using ui::Answer;
    using ui::Buttons;
    ui::ScriptedDialogs dialogs;
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_EQ(dialogs.message("first", Buttons::YesNo, "DELETE"), Answer::Yes);
    EXPECT_EQ(dialogs.message("second", Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(dialogs.message("third", Buttons::YesNo), Answer::No);
    EXPECT_EQ(dialogs.message("fourth", Buttons::OkCancel), Answer::Ok);
    EXPECT_EQ(dialogs.message("fifth", Buttons::Ok), Answer::Ok);
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<std::string>{"first", "second", "third", "fourth", "fifth"}));
    EXPECT_EQ(dialogs.messages()[0].title, "DELETE");
    EXPECT_EQ(dialogs.messages()[1].title, "");
    EXPECT_EQ(dialogs.messages()[1].buttons, Buttons::OkCancel);

    dialogs.queueSaveName("/tmp/chart");
    dialogs.queueSaveName(std::nullopt);
    ui::SaveFileRequest request;
    request.title = "Save File";
    EXPECT_EQ(dialogs.askSaveFileName(request), "/tmp/chart");
    EXPECT_EQ(dialogs.askSaveFileName({}), std::nullopt);
    EXPECT_EQ(dialogs.askSaveFileName({}), std::nullopt);
    ASSERT_EQ(dialogs.saveRequests().size(), 3u);
    EXPECT_EQ(dialogs.saveRequests()[0].title, "Save File");

    std::string reason;
    EXPECT_TRUE(dialogs.openDocument("help.chm", reason));
    dialogs.setOpenResult(false, "No viewer");
    EXPECT_FALSE(dialogs.openDocument("help.chm", reason));
    EXPECT_EQ(reason, "No viewer");
    EXPECT_EQ(dialogs.openedDocuments().size(), 2u);

    EXPECT_EQ(dialogs.screenSize().widthTwips, 28800);
    EXPECT_EQ(dialogs.screenSize().heightTwips, 16200);
}

TEST(SaveFileDialog, OffersTheLastNameAgainAndKeepsItOnCancel)
{
    ui::ScriptedDialogs dialogs;
    ui::SaveFileDialog dialog;
    dialog.request.title = "Save File";
    dialog.request.filter = "BMP File (*.bmp)|*.bmp|AllFiles (*.*)|*.*";
    dialog.request.askBeforeReplacing = true;

    dialogs.queueSaveName("/home/u/first.bmp");
    ASSERT_TRUE(dialog.show(dialogs));
    EXPECT_EQ(dialog.fileName(), "/home/u/first.bmp");
    EXPECT_FALSE(dialog.show(dialogs));
    EXPECT_EQ(dialog.fileName(), "/home/u/first.bmp");

    ASSERT_EQ(dialogs.saveRequests().size(), 2u);
    EXPECT_EQ(dialogs.saveRequests()[0].initialName, "");
    EXPECT_EQ(dialogs.saveRequests()[1].initialName, "/home/u/first.bmp");
    EXPECT_EQ(dialogs.saveRequests()[1].filter, dialog.request.filter);
    EXPECT_EQ(dialogs.saveRequests()[1].filterIndex, 1);
    EXPECT_TRUE(dialogs.saveRequests()[1].askBeforeReplacing);
}

TEST(QtFileFilter, ShowsEachDescriptionAndFiltersByItsPattern)
{
    const struct {
        std::string filter;
        QString qt;
    } cases[] = {
        {"BMP File (*.bmp)|*.bmp|AllFiles (*.*)|*.*", "BMP File (*.bmp);;AllFiles (*.*)"},
        {"Text files|*.txt", "Text files (*.txt)"},
        {"Pictures|*.bmp;*.dib", "Pictures (*.bmp *.dib)"},
        {"Pictures (*.bmp;*.dib)|*.bmp;*.dib", "Pictures (*.bmp *.dib)"},
        {"Data (saved)|*.txt", "Data (saved) (*.txt)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::qtFileFilter(c.filter), c.qt) << c.filter;
}

// Runs `act` on the modal dialog once it is shown.
template <class Dialog>
void whenShown(std::function<void(Dialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

TEST(QtDialogs, MessageBoxesShowTheirTitleAndGiveTheAnswerClicked)
{
    using ui::Answer;
    using ui::Buttons;
    ui::QtDialogs dialogs;
    const struct {
        Buttons buttons;
        QMessageBox::StandardButton click; // NoButton: closed with Escape
        Answer answer;
    } cases[] = {
        {Buttons::Ok, QMessageBox::Ok, Answer::Ok},
        {Buttons::Ok, QMessageBox::NoButton, Answer::Ok},
        {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel},
        {Buttons::OkCancel, QMessageBox::NoButton, Answer::Cancel},
        {Buttons::YesNo, QMessageBox::Yes, Answer::Yes},
        {Buttons::YesNo, QMessageBox::No, Answer::No},
        {Buttons::YesNo, QMessageBox::NoButton, Answer::No},
    };
    for (const auto& c : cases) {
        QString title;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            format = box->textFormat();
            if (c.click == QMessageBox::NoButton)
                box->reject();
            else
                box->button(c.click)->click();
        });
        EXPECT_EQ(dialogs.message("<b>You saved</b>", c.buttons), c.answer) << int(c.click);
        EXPECT_EQ(title, ui::applicationTitle);
        // File names are shown as they are, never read as markup.
        EXPECT_EQ(text, "<b>You saved</b>");
        EXPECT_EQ(format, Qt::PlainText);
    }

    QString title;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    dialogs.message("Exit?", Buttons::YesNo, "DELETE");
    EXPECT_EQ(title, "DELETE");
}

TEST(QtDialogs, SaveDialogStartsFromTheRequestAndAddsNoExtension)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ui::QtDialogs dialogs;
    ui::SaveFileRequest request{"Save File", "BMP File (*.bmp)|*.bmp|AllFiles (*.*)|*.*", 2, true,
                                folder.filePath("first").toStdString()};

    QStringList filters;
    QString selectedFilter;
    QString title;
    bool confirms = false;
    QString offered;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        selectedFilter = dialog->selectedNameFilter();
        title = dialog->windowTitle();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        offered = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("chart");
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = dialogs.askSaveFileName(request);
    EXPECT_EQ(title, "Save File");
    EXPECT_EQ(filters, (QStringList{"BMP File (*.bmp)", "AllFiles (*.*)"}));
    EXPECT_EQ(selectedFilter, "AllFiles (*.*)");
    EXPECT_TRUE(confirms);
    EXPECT_EQ(offered, "first");
    EXPECT_EQ(chosen, folder.filePath("chart").toStdString());

    request.askBeforeReplacing = false;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    EXPECT_EQ(dialogs.askSaveFileName(request), std::nullopt);
    EXPECT_FALSE(confirms);
}

TEST(QtDialogs, SaveDialogRefusesANameInAFolderThatDoesNotExistAndStaysOpen)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ui::QtDialogs dialogs;
    ui::SaveFileRequest request;
    request.title = "Save File";
    request.folderMustExist = true;

    QString warning;
    bool stayedOpen = false;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(folder.filePath("missing/chart.bmp"));
        whenShown<QMessageBox>([&](QMessageBox* box) {
            warning = box->text();
            box->accept();
        });
        static_cast<QDialog*>(dialog)->accept();
        stayedOpen = dialog->isVisible();
        // The user then names a file in a folder that exists.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(folder.filePath("chart.bmp"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.askSaveFileName(request), folder.filePath("chart.bmp").toStdString());
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(warning.contains(folder.filePath("missing"))) << warning.toStdString();
}

// A box belongs to the window in use, also the second of two in a row when
// the desktop has not yet made any window active again, and the keyboard
// goes back to that window after the answer; with that window gone the main
// window takes the boxes.
TEST(QtDialogs, BoxesBelongToTheWindowInUseWhichGetsTheKeyboardBack)
{
    QWidget mainWindow;
    QWidget child;
    ui::QtDialogs dialogs(&mainWindow);
    mainWindow.show();
    child.show();
    child.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&child));

    std::vector<QWidget*> owners;
    auto answer = [&owners](auto* dialog) {
        owners.push_back(dialog->parentWidget());
        dialog->reject();
    };
    // After the first box no window is active, as the desktop may leave it
    // right after a box.
    const struct {
        bool childShown;
        bool saveDialog;
        QWidget* owner;
    } cases[] = {{true, false, &child}, {true, false, &child}, {true, true, &child}, {false, false, &mainWindow},
                 {false, true, &mainWindow}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(owners.size()));
        child.setVisible(c.childShown);
        QCoreApplication::processEvents();
        if (!owners.empty())
            QApplication::setActiveWindow(nullptr);
        if (c.saveDialog) {
            whenShown<QFileDialog>(answer);
            dialogs.askSaveFileName({});
        } else {
            whenShown<QMessageBox>(answer);
            dialogs.message("Out of range", ui::Buttons::Ok);
        }
        ASSERT_FALSE(owners.empty());
        EXPECT_EQ(owners.back(), c.owner);
        if (c.childShown) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&child));
        }
    }
}

// A window that goes while its box or save dialog is open takes the box
// with it, once; the box counts as dismissed.
TEST(QtDialogs, AWindowThatGoesWhileItsBoxIsOpenTakesTheBoxWithIt)
{
    QWidget mainWindow;
    ui::QtDialogs dialogs(&mainWindow);
    mainWindow.show();
    for (bool saveDialog : {false, true}) {
        SCOPED_TRACE(saveDialog);
        QPointer<QWidget> child = new QWidget;
        child->show();
        child->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(child));
        QTimer::singleShot(0, [&child] { delete child; });
        if (saveDialog)
            EXPECT_EQ(dialogs.askSaveFileName({}), std::nullopt);
        else
            EXPECT_EQ(dialogs.message("Save?", ui::Buttons::YesNo), ui::Answer::No);
        EXPECT_TRUE(child.isNull());
    }
}

TEST(QtDialogs, OpeningAMissingDocumentFailsWithAReason)
{
    ui::QtDialogs dialogs;
    std::string reason;
    EXPECT_FALSE(dialogs.openDocument("/nonexistent/folder/help.chm", reason));
    EXPECT_FALSE(reason.empty());
}

} // namespace
