// The main window under Xvfb: start-up, catalogue tree, layout, start page,
// ticker and error box, on real files and the real browser engine.
#include "testsupport.h"

#include "browser/tembeddedwb.h"
#include "player/twindowsmediaplayer.h"
#include "skin/tbsskinpagecontrol.h"
#include "skin/tedit.h"
#include "storage/inifile.h"
#include "ui_index.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWebEnginePage>

namespace {

const std::vector<std::string> kDefaultLabels = {
    "Watch TV on Your PC", "Free Movies Online",    "Live Sports Anywhere",  "HD Films on Demand",
    "Your PC Is Your TV",  "Stream 1000+ Channels", "Cinema at Home Tonight",
};

const char* const kDefaultCatalogue =
    "[Layer1]\r\nNew Channels=\r\nBusiness News=\r\nEducational=\r\nEntertainment=\r\nGovernment=\r\n"
    "Sports=\r\nKids=\r\nLifestyle=\r\nMovies=\r\nMusic=\r\nNews (Live)=\r\nNews (Vod)=\r\nWeather=\r\n"
    "Shopping=\r\nWebcam Streams=\r\n";

QStringList TopLevelTexts(QTreeWidget* tree) {
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) texts << tree->topLevelItem(i)->text(0);
    return texts;
}

QStringList ChildTexts(QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
    return texts;
}

// Waits until the start page has loaded and shows its welcome heading.
bool WaitForStartPage(TEmbeddedWB* browser);

QVariant RunJs(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000)) return QVariant();
    return result;
}

bool WaitForStartPage(TEmbeddedWB* browser) {
    return QTest::qWaitFor(
        [&] {
            return !browser->page()->isLoading() &&
                   RunJs(browser->page(), "!!document.getElementById('welcome')").toBool();
        },
        30000);
}

// Records the addresses handed to the desktop's browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { App()->errorBoxHook = nullptr; }

    void firstRunWritesBothDefaultFilesAndShowsTheCategories() {
        FreshDataFiles files;
        TForm1 form;
        QCOMPARE(ReadBytes(CataloguePath()), std::string(kDefaultCatalogue));
        QCOMPARE(TIniFile(files.promotionPath()).ListKeys("VizID ADS"), kDefaultLabels);
        for (const auto& label : kDefaultLabels)
            QVERIFY(TIniFile(files.promotionPath()).ReadEntry("VizID ADS", label, "").rfind("http://", 0) == 0);
        QCOMPARE(std::string(form.FTempPath.data()), files.tmp.path().toStdString() + "/");

        QTreeWidget* tree = form.ui()->TreeView1;
        QCOMPARE(TopLevelTexts(tree),
                 QStringList({"New Channels", "Business News", "Educational", "Entertainment", "Government",
                              "Sports", "Kids", "Lifestyle", "Movies", "Music", "News (Live)", "News (Vod)",
                              "Weather", "Shopping", "Webcam Streams"}));
        for (int i = 0; i < tree->topLevelItemCount(); ++i) QCOMPARE(tree->topLevelItem(i)->childCount(), 0);
    }

    void secondRunLeavesTheFilesAndShowsChannelsUnderTheirCategories() {
        FreshDataFiles files;
        const std::string catalogue =
            "[Layer1]\r\nNews (Live)=\r\nMovies=\r\nnews (live)=\r\n"
            "[Layer2]\r\nA=News (Live)\r\nFilm One=Movies\r\nLower=news (live)x\r\nlower=news (live)\r\n"
            "Movies=Movies\r\nB=News (Live)\r\nStray=Nowhere\r\n";
        const std::string promotions = "[VizID ADS]\r\nOnly One=http://one.example\r\n";
        WriteBytes(CataloguePath(), catalogue);
        WriteBytes(files.promotionPath(), promotions);
        TForm1 form;
        QCOMPARE(ReadBytes(CataloguePath()), catalogue);
        QCOMPARE(ReadBytes(files.promotionPath()), promotions);

        QTreeWidget* tree = form.ui()->TreeView1;
        // "news (live)" is listed as a category of its own; the values match
        // category names exactly, letter case included.
        QCOMPARE(TopLevelTexts(tree), QStringList({"News (Live)", "Movies", "news (live)"}));
        QCOMPARE(ChildTexts(tree->topLevelItem(0)), QStringList({"A", "B"}));
        QCOMPARE(ChildTexts(tree->topLevelItem(1)), QStringList({"Film One", "Movies"}));
        // "lower" is listed, but reads as the same key as "Lower" (the first
        // wins), whose value names no category: neither is shown.
        QCOMPARE(ChildTexts(tree->topLevelItem(2)), QStringList());
    }

    void everyNodeShowsTheTelevisionImage() {
        FreshDataFiles files;
        WriteBytes(CataloguePath(), "[Layer1]\r\nSports=\r\n[Layer2]\r\nMatch=Sports\r\n");
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTreeWidget* tree = form.ui()->TreeView1;
        QVERIFY(!QImage(":/images/tv16.png").isNull());
        QVERIFY(!form.ImageList1.isNull());
        tree->expandAll();
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        for (QTreeWidgetItem* item : {tree->topLevelItem(0), tree->topLevelItem(0)->child(0)}) {
            QCOMPARE(item->icon(0).cacheKey(), form.ImageList1.cacheKey());
            QCOMPARE(item->icon(0).pixmap(16, 16, QIcon::Selected).toImage(),
                     QPixmap(":/images/tv16.png").toImage());
        }
    }

    void catalogueThatCannotBeWrittenShowsTheErrorBoxAndTheProgramRunsOn() {
        FreshDataFiles files;
        QVERIFY(QDir().mkpath(QString::fromStdString(CataloguePath())));  // a directory stands at the path
        QString boxText, boxTitle;
        QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
        // The real, modal error box: read it and press OK.
        QTimer::singleShot(200, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    boxText = box->text();
                    boxTitle = box->windowTitle();
                    boxIcon = box->icon();
                    box->button(QMessageBox::Ok)->click();
                }
        });
        TForm1 form;
        QCOMPARE(boxText, QString::fromStdString("Unable to write to " + CataloguePath() + "."));
        QCOMPARE(boxTitle, QString("Kelvora 2012"));
        QCOMPARE(boxIcon, QMessageBox::Critical);
        // The rest of start-up was skipped, and the window still works.
        QCOMPARE(form.ui()->TreeView1->topLevelItemCount(), 0);
        QVERIFY(!ProfileFileExists(files.promotionPath()));
        QVERIFY(form.ui()->EmbeddedWB2->navigatedTo().isEmpty());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QDir(QString::fromStdString(CataloguePath())).removeRecursively();
    }

    void promotionFileThatCannotBeWrittenEndsStartUpAfterTheTree() {
        FreshDataFiles files;
        QVERIFY(QDir().mkpath(QString::fromStdString(files.promotionPath())));
        QStringList boxes;
        App()->errorBoxHook = [&](const QString& text) { boxes << text; };
        TForm1 form;
        QCOMPARE(boxes, QStringList(QString::fromStdString("Unable to write to " + files.promotionPath() + ".")));
        QCOMPARE(form.ui()->TreeView1->topLevelItemCount(), 15);
        QVERIFY(form.ui()->EmbeddedWB2->navigatedTo().isEmpty());
    }

    void errorBoxAddsAFullStopOnlyAfterBytesThatSortAfterIt_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Unable to write to /x/TvAds.ini" << "Unable to write to /x/TvAds.ini.";
        QTest::newRow("slash") << "path/" << "path/.";
        QTest::newRow("digit") << "error 5" << "error 5.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("bang") << "Oops!" << "Oops!";
        QTest::newRow("space") << "trailing " << "trailing ";
        QTest::newRow("empty") << "" << "";
    }
    void errorBoxAddsAFullStopOnlyAfterBytesThatSortAfterIt() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(TApplication::ErrorBoxText(message.toStdString())), shown);
    }

    void failingHandlerEndsOnlyThatHandlerAndShowsTheBox() {
        FreshDataFiles files;
        TForm1 form;
        QStringList boxes;
        App()->errorBoxHook = [&](const QString& text) { boxes << text; };
        // A handler that throws, bound like any other.
        QObject::connect(form.Timer1, &QTimer::timeout, &form, [] { throw Exception("Ticker failed"); });
        form.Timer1->setInterval(10);
        QTRY_VERIFY_WITH_TIMEOUT(boxes.size() >= 2, 5000);  // the timer keeps its schedule
        QCOMPARE(boxes.first(), QString("Ticker failed."));
        QVERIFY(!form.ui()->Edit1->text().isEmpty());  // Timer1Timer itself still ran
    }

    void layoutAtStart() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* ui = form.ui();
        QCOMPARE(form.size(), QSize(712, 438));
        const QRect desktop = form.screen()->virtualGeometry();
        QCOMPARE(form.frameGeometry().topLeft(),
                 QPoint((desktop.width() - form.frameGeometry().width()) / 2,
                        (desktop.height() - form.frameGeometry().height()) / 2));
        QCOMPARE(form.windowTitle(), QString("Kelvora 2012 Demo"));
        QVERIFY(ui->Splitter1->isHidden());
        QCOMPARE(ui->Panel2->geometry(), QRect(0, 0, 201, 438));
        QCOMPARE(ui->bsSkinPageControl1->geometry(), QRect(-1, 0, 202, 438));
        QCOMPARE(ui->bsSkinPageControl1->currentPage(), ui->bsSkinTabSheet1);
        QCOMPARE(ui->bsSkinPageControl1->tabBar()->tabText(0), QString("  Demo Channel  "));
        QCOMPARE(ui->bsSkinPageControl1->tabBar()->tabText(1), QString("  VIP Channel  "));
        const QSize page = ui->bsSkinTabSheet1->size();
        QCOMPARE(page, QSize(200, 438 - TbsSkinPageControl::kTabHeight - 1));
        QCOMPARE(ui->Splitter2->geometry(), QRect(0, 0, 200, 1));
        QCOMPARE(ui->bsSkinPanel2->geometry(), QRect(0, 1, 200, page.height() - 1));
        const int tops[] = {18, 58, 98, 138, 178, 218, 258, 298, 338, 379};
        const char* captions[] = {"Live Sports TV", "Bloomberg",  "DW TV Europe", "Cartooons", "TV Guranga",
                                  "Wildlife Channel", "Labelle TV", "24 TV Live", "Sky News",  "ReelGood TV"};
        for (int i = 0; i < 10; ++i) {
            auto* b = form.findChild<QAbstractButton*>(QString("bsSkinSpeedButton%1").arg(i + 1));
            QCOMPARE(b->geometry(), QRect(20, tops[i], 160, 25));
            QCOMPARE(b->text(), QString(captions[i]));
            QCOMPARE(b->parentWidget(), ui->bsSkinPanel2);
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(ui->Splitter2->cursor().shape(), Qt::SizeVerCursor);
        ui->bsSkinPageControl1->setCurrentIndex(1);
        QCOMPARE(ui->TreeView1->geometry(), QRect(1, 1, 198, page.height() - 3));
        QCOMPARE(ui->bsSkinPanel1->geometry(), QRect(201, 0, 511, 438));
        QCOMPARE(ui->EmbeddedWB2->geometry(), QRect(1, 1, 509, 436));
        QVERIFY(ui->EmbeddedWB2->isVisible());
        QVERIFY(ui->WindowsMediaPlayer1->isHidden());
        QCOMPARE(ui->WindowsMediaPlayer1->geometry(), QRect(1, 1, 509, 436));
        QVERIFY(ui->Edit1->isHidden());
        QCOMPARE(ui->Edit1->geometry(), QRect(311, 375, 120, 15));
        QCOMPARE(ui->Edit1->cursor().shape(), Qt::PointingHandCursor);
        // Stacking in the content area: browser, player, ticker.
        const QObjectList& kids = ui->bsSkinPanel1->children();
        QVERIFY(kids.indexOf(ui->EmbeddedWB2) < kids.indexOf(ui->WindowsMediaPlayer1));
        QVERIFY(kids.indexOf(ui->WindowsMediaPlayer1) < kids.indexOf(ui->Edit1));
    }

    void panelsAndDemoButtonsPaintTheirSkinColours() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage panel = form.ui()->bsSkinPanel2->grab().toImage();
        QCOMPARE(panel.pixelColor(5, 5), QColor(244, 244, 244));
        const QImage content = form.ui()->bsSkinPanel1->grab().toImage();
        QCOMPARE(content.pixelColor(0, 200), QColor(72, 92, 116));  // its 1-pixel blue-grey frame
        QCOMPARE(form.ui()->Splitter2->grab().toImage().pixelColor(10, 0), QColor(0, 0, 0));

        auto* button = form.findChild<QAbstractButton*>("bsSkinSpeedButton1");
        auto faceAndFrame = [button] {
            const QImage img = button->grab().toImage();
            return std::make_pair(img.pixelColor(3, 3), img.pixelColor(0, 12));
        };
        QCOMPARE(faceAndFrame(), std::make_pair(QColor(240, 240, 240), QColor(160, 160, 160)));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(faceAndFrame(), std::make_pair(QColor(182, 189, 210), QColor(0, 0, 128)));
        button->setDown(true);
        QCOMPARE(faceAndFrame(), std::make_pair(QColor(133, 146, 181), QColor(0, 0, 128)));
    }

    void layoutAfterGrowing() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint placed = form.pos();
        form.resize(1200, 900);
        QTRY_COMPARE(form.size(), QSize(1200, 900));
        auto* ui = form.ui();
        QCOMPARE(ui->Panel2->geometry(), QRect(0, 0, 201, 900));
        QCOMPARE(ui->bsSkinPageControl1->geometry(), QRect(-1, 0, 202, 900));
        QCOMPARE(form.findChild<QAbstractButton*>("bsSkinSpeedButton10")->geometry(), QRect(20, 379, 160, 25));
        ui->bsSkinPageControl1->setCurrentIndex(1);
        const QSize page = ui->bsSkinTabSheet2->size();
        QCOMPARE(page.height(), 900 - TbsSkinPageControl::kTabHeight - 1);
        QCOMPARE(ui->TreeView1->geometry(), QRect(1, 1, page.width() - 2, page.height() - 3));
        QCOMPARE(ui->bsSkinPanel1->geometry(), QRect(201, 0, 999, 900));
        QCOMPARE(ui->EmbeddedWB2->geometry(), QRect(1, 1, 997, 898));
        QCOMPARE(ui->Edit1->geometry(), QRect(999 - 120 - 80, 900 - 15 - 48, 120, 15));
        // Not centred again: it grew from where it was.
        QCOMPARE(form.pos(), placed);
    }

    void startPageLoadsFromTheContentServer() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        TEmbeddedWB* browser = form.ui()->EmbeddedWB2;
        QCOMPARE(browser->navigatedTo(), TForm1::StartPageAddress());
        QSignalSpy finished(browser, &QWebEngineView::loadFinished);
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(browser->url(), QUrl(TForm1::StartPageAddress()));
        QCOMPARE(RunJs(browser->page(), "document.getElementById('welcome').textContent").toString(),
                 QString("Welcome to Kelvora 2012"));
        QCOMPARE(RunJs(browser->page(), "document.images[0].complete && document.images[0].naturalWidth > 0")
                     .toBool(),
                 true);

        // A page can open no window, and a script error stops nothing.
        const int windows = QApplication::topLevelWidgets().size();
        QCOMPARE(RunJs(browser->page(), "window.open('about:blank') === null").toBool(), true);
        RunJs(browser->page(), "setTimeout(() => { throw new Error('broken'); }, 0);"
                               "setTimeout(() => { window.after = 42; }, 50);");
        QTRY_COMPARE(RunJs(browser->page(), "window.after").toInt(), 42);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    }

    void ctrlNIsSwallowedOtherShortcutsReachThePage() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        TEmbeddedWB* browser = form.ui()->EmbeddedWB2;
        QVERIFY(WaitForStartPage(browser));
        QVERIFY(browser->focusProxy());
        RunJs(browser->page(),
              "window.keys = []; document.addEventListener('keydown', e => {"
              "  if (['Control', 'Shift', 'Alt', 'Meta'].includes(e.key)) return;"
              "  keys.push((e.ctrlKey ? 'C' : '') + (e.shiftKey ? 'S' : '') + (e.altKey ? 'A' : '') + e.key.toLowerCase());"
              "});");
        QWidget* target = browser->focusProxy();
        form.activateWindow();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(target, Qt::Key_M, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_X);
        QTRY_COMPARE_WITH_TIMEOUT(RunJs(browser->page(), "keys.join(',')").toString(), QString("CSn,CAn,Cm,x"), 10000);
    }

    void tickerStepsThroughTheLabelsInFileOrder() {
        FreshDataFiles files;
        TForm1 form;
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Timer1->interval(), 6000);
        QCOMPARE(form.ui()->Edit1->text(), QString());
        QStringList shown;
        for (int i = 0; i < 9; ++i) {
            form.Timer1Timer();
            shown << form.ui()->Edit1->text();
        }
        QStringList expected;
        for (int i : {1, 2, 3, 4, 5, 6, 0, 1, 2}) expected << QString::fromStdString(kDefaultLabels[size_t(i)]);
        QCOMPARE(shown, expected);
    }

    void tickerReadsTheFileAfreshAtEveryStep() {
        FreshDataFiles files;
        WriteBytes(files.promotionPath(), "[VizID ADS]\r\nSolo=http://solo.example\r\n");
        TForm1 form;
        TEdit* ticker = form.ui()->Edit1;
        form.Timer1Timer();
        QCOMPARE(ticker->text(), QString("Solo"));
        form.Timer1Timer();
        QCOMPARE(ticker->text(), QString("Solo"));

        WriteBytes(files.promotionPath(), "[VizID ADS]\r\nA=http://a\r\nB=http://b\r\nC=http://c\r\n");
        form.Timer1Timer();  // "Solo" is gone: position (n + 1) mod n
        QCOMPARE(ticker->text(), QString("B"));
        WriteBytes(files.promotionPath(), "[VizID ADS]\r\nA=http://a\r\nC=http://c\r\nD=http://d\r\n");
        form.Timer1Timer();  // "B" removed between steps
        QCOMPARE(ticker->text(), QString("C"));
        form.Timer1Timer();
        QCOMPARE(ticker->text(), QString("D"));
        form.Timer1Timer();
        QCOMPARE(ticker->text(), QString("A"));

        // An empty list leaves the ticker as it is.
        QFile::remove(QString::fromStdString(files.promotionPath()));
        form.Timer1Timer();
        QCOMPARE(ticker->text(), QString("A"));
    }

    void tickerNeverReactsToTheFocusButClicksWork() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        TEdit* ticker = form.ui()->Edit1;
        ticker->show();
        form.Timer1Timer();
        ticker->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(ticker->hasFocus());
        // A line edit selects all when tabbed into; ours saw no focus-in.
        QVERIFY(!ticker->hasSelectedText());

        UrlRecorder recorder;
        QDesktopServices::setUrlHandler("http", &recorder, "open");
        QTest::mouseClick(ticker, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(recorder.opened, QList<QUrl>({QUrl(QString::fromStdString(
                                      TIniFile(files.promotionPath()).ReadEntry("VizID ADS", kDefaultLabels[1], "")))}));
    }

    void clickLooksUpTheLabelByItsBytesInUtf8AndLatin1Files() {
        FreshDataFiles files;
        // Two labels that read the same, one UTF-8, one Latin-1.
        WriteBytes(files.promotionPath(), "[VizID ADS]\r\nCaf\xC3\xA9 TV=http://utf8.example\r\n"
                                          "Caf\xE9 TV=http://latin1.example\r\n");
        TForm1 form;
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler("http", &recorder, "open");
        form.Timer1Timer();  // second label: the Latin-1 one
        QCOMPARE(form.ui()->Edit1->text(), QString::fromUtf8("Caf\xC3\xA9 TV"));
        form.Edit1Click();
        form.Timer1Timer();  // wraps to the UTF-8 one
        form.Edit1Click();
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(recorder.opened, QList<QUrl>({QUrl("http://latin1.example"), QUrl("http://utf8.example")}));
    }

    void clickHandsOnlyWebAddressesToTheBrowser() {
        FreshDataFiles files;
        WriteBytes(files.promotionPath(),
                   "[VizID ADS]\r\nWeb=https://ok.example\r\nFile=file:///etc/passwd\r\nProgram=/usr/bin/xterm\r\n"
                   "Script=javascript:alert(1)\r\nEmpty=\r\n");
        TForm1 form;
        UrlRecorder recorder;
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
        form.Edit1Click();  // before the first step: empty text, nothing opens
        QVERIFY(recorder.opened.isEmpty());
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            form.Timer1Timer();
            seen << form.ui()->Edit1->text();
            form.Edit1Click();
        }
        for (const char* scheme : {"http", "https", "file", "javascript"}) QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(seen.size(), 5);
        QCOMPARE(recorder.opened, QList<QUrl>({QUrl("https://ok.example")}));
    }

    void controlsExposeTheirTextToAccessibilityClients() {
        FreshDataFiles files;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(form.findChild<QAbstractButton*>("bsSkinSpeedButton9"));
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QString("Sky News"));
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(form.ui()->bsSkinPageControl1->tabBar());
        QVERIFY(tabs);
        QStringList names;
        for (int i = 0; i < tabs->childCount(); ++i) names << tabs->child(i)->text(QAccessible::Name);
        QVERIFY(names.contains("  Demo Channel  ") || names.contains("Demo Channel"));
    }
};

int main(int argc, char** argv) { return RunGuiSuite<MainWindowTest>(argc, argv); }

#include "mainwindow_test.moc"
