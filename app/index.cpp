#include "app/index.h"

#include "app/application.h"
#include "app/catalogue.h"
#include "app/defaults.h"
#include "browser/tembeddedwb.h"
#include "platform/ansitext.h"
#include "platform/fonts.h"
#include "platform/hotkey.h"
#include "platform/shell.h"
#include "platform/tempdir.h"
#include "player/twindowsmediaplayer.h"
#include "storage/inifile.h"
#include "ui_index.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>


int HotKeyId = 0;

namespace {

const char* const kCatalogueFile = "RizorurUVE.dat";
const char* const kPromotionFile = "TvAds.ini";
const char* const kPromotionSection = "VizID ADS";

// The demo channel table: one playlist on the content server per button.
const char* const kDemoPlaylists[10] = {
    "/tv_streams/b1699.asx", "/tv_streams/b3890.asx", "/tv_streams/b1636.asx", "/tv_streams/b5979.asx",
    "/tv_streams/b6048.asx", "/tv_streams/b4480.asx", "/tv_streams/b3344.asx", "/tv_streams/b2360.asx",
    "/tv_streams/b3298.asx", "/tv_streams/b5280.asx",
};

QString ContentServer() { return QStringLiteral("http://" KELVORA_CONTENT_SERVER); }

void SetColors(QWidget* w, QPalette::ColorRole bgRole, const QColor& bg, QPalette::ColorRole fgRole,
               const QColor& fg) {
    QPalette pal = w->palette();
    pal.setColor(bgRole, bg);
    pal.setColor(fgRole, fg);
    w->setPalette(pal);
}

}  // namespace

static void InitResources() { Q_INIT_RESOURCE(resources); }  // they live in a static library

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TForm1>()) {
    InitResources();
    // The layout: components, their settings and event bindings.
    ui_->setupUi(this);
    setWindowIcon([] {
        QIcon icon;
        for (int size : {16, 32, 48}) icon.addFile(QString(":/images/kelvora%1.png").arg(size), QSize(size, size));
        return icon;
    }());
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(11);
    setFont(tahoma);
    SetColors(this, QPalette::Window, QColor(240, 240, 240), QPalette::WindowText, Qt::black);
    ui_->Panel2->setAutoFillBackground(true);

    QTreeWidget* tree = ui_->TreeView1;
    tree->setFont(FontByCellHeight("Arial", 15));
    QPalette treePal = tree->palette();
    treePal.setColor(QPalette::Base, Qt::white);
    treePal.setColor(QPalette::Text, Qt::black);
    // The selection is hidden while the tree has no focus.
    treePal.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    treePal.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    tree->setPalette(treePal);

    TEdit* ticker = ui_->Edit1;
    ticker->setFont(tahoma);
    ticker->setAutoFillBackground(true);
    SetColors(ticker, QPalette::Base, Qt::black, QPalette::Text, QColor(0, 255, 0));

    // The same television on selected nodes: no selection tint.
    const QPixmap tv(":/images/tv16.png");
    ImageList1.addPixmap(tv, QIcon::Normal);
    ImageList1.addPixmap(tv, QIcon::Selected);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(6000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    void (TForm1::*clicks[10])() = {
        &TForm1::bsSkinSpeedButton1Click, &TForm1::bsSkinSpeedButton2Click, &TForm1::bsSkinSpeedButton3Click,
        &TForm1::bsSkinSpeedButton4Click, &TForm1::bsSkinSpeedButton5Click, &TForm1::bsSkinSpeedButton6Click,
        &TForm1::bsSkinSpeedButton7Click, &TForm1::bsSkinSpeedButton8Click, &TForm1::bsSkinSpeedButton9Click,
        &TForm1::bsSkinSpeedButton10Click,
    };
    for (int i = 0; i < 10; ++i) {
        auto* button = findChild<QAbstractButton*>(QString("bsSkinSpeedButton%1").arg(i + 1));
        connect(button, &QAbstractButton::clicked, this, clicks[i]);
    }
    connect(ticker, &TEdit::clicked, this, &TForm1::Edit1Click);
    for (QWidget* w : {static_cast<QWidget*>(ui_->Panel2), ui_->bsSkinTabSheet1, ui_->bsSkinTabSheet2,
                       static_cast<QWidget*>(ui_->bsSkinPanel1)})
        w->installEventFilter(this);

    // Client area inside the 30-pixel title bar and 3-pixel borders of the frame.
    resize(712, 438);
    AlignControls();

    try {
        FormCreate();
    } catch (...) {
        App()->HandleException(std::current_exception());
    }
}

TForm1::~TForm1() {
    if (hotKeyRegistered_) UnregisterHotKey(this, HotKeyId);
}

TWindowsMediaPlayer* TForm1::WindowsMediaPlayer1() const { return ui_->WindowsMediaPlayer1; }

QString TForm1::StartPageAddress() { return ContentServer() + "/TVAPIS.htm"; }

QString TForm1::DemoChannelAddress(int row) { return ContentServer() + kDemoPlaylists[row]; }

std::string TForm1::CatalogueFileName() const {
    // The program file's directory, "/" kept.
    return (QCoreApplication::applicationDirPath() + "/").toStdString() + kCatalogueFile;
}

std::string TForm1::PromotionFileName() const { return std::string(FTempPath.data()) + kPromotionFile; }

// ---- start-up and shutdown ---------------------------------------------------

void TForm1::FormCreate() {
    // 1. Temporary-files directory.
    GetTempPath(260, FTempPath.data());
    // 2. Catalogue file, with its defaults when missing.
    if (!ProfileFileExists(CatalogueFileName())) WriteDefaultCatalogue(CatalogueFileName());
    // 3. Channel tree.
    Load("VizID");
    // 4. Promotion file, with its defaults when missing.
    if (!ProfileFileExists(PromotionFileName())) WriteDefaultPromotions(PromotionFileName());
    // 5. Start page; loads in the background.
    ui_->EmbeddedWB2->Navigate(StartPageAddress());
    // 6. Hand cursor: Qt's PointingHandCursor is the system hand; the layout
    //    gives it to the demo buttons and the ticker.
    // 7. The ticker's focus filter stands in front of its own event handling.
    FEditWndProc = [](QEvent*) { return false; };  // false: on to the ticker itself
    ui_->Edit1->installEventFilter(this);
    // 8. Hide key.
    HotKeyId = int(quint16(GlobalAddAtom("MyHotKey"))) - 0xC000;
    hotKeyRegistered_ = RegisterHotKey(this, HotKeyId, 0, VK_HOME);
}

void TForm1::FormClose() {
    closed_ = true;
    UnregisterHotKey(this, HotKeyId);
    hotKeyRegistered_ = false;
    if (TWindowsMediaPlayer* player = ui_->WindowsMediaPlayer1) {
        // Nothing may reach the player once it is gone: resizes and queued
        // hide-key events check this pointer.
        ui_->WindowsMediaPlayer1 = nullptr;
        std::unique_ptr<TWindowsMediaPlayer> destroy(player);
        player->close();
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    e->accept();
    if (!closed_) FormClose();
}

// ---- catalogue -----------------------------------------------------------------

void TForm1::Load(const std::string& name) {
    if (name != "VizID") return;
    QTreeWidget* tree = nullptr;
    for (QTreeWidget* t : findChildren<QTreeWidget*>())
        if (t->objectName().compare("Treeview1", Qt::CaseInsensitive) == 0) {
            tree = t;
            break;
        }
    if (!tree) return;

    const std::vector<CatalogueCategory> catalogue = ReadCatalogue(CatalogueFileName());
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(qsizetype(catalogue.size()));
    for (const CatalogueCategory& category : catalogue) {
        auto* node = new QTreeWidgetItem(QStringList(AnsiToText(category.name)));
        node->setIcon(0, ImageList1);
        node->setToolTip(0, node->text(0));
        for (const std::string& channel : category.channels) {
            auto* child = new QTreeWidgetItem(node, QStringList(AnsiToText(channel)));
            child->setIcon(0, ImageList1);
            child->setToolTip(0, child->text(0));
        }
        nodes.append(node);
    }
    tree->addTopLevelItems(nodes);
}

// ---- layout ----------------------------------------------------------------------

void TForm1::AlignControls() {
    ui_->Panel2->setGeometry(0, 0, 201, height());
    ui_->bsSkinPanel1->setGeometry(201, 0, qMax(0, width() - 201), height());
}

void TForm1::resizeEvent(QResizeEvent* e) {
    // The window realigns its children (their resize handlers run) before it
    // reports its own new size.
    AlignControls();
    QWidget::resizeEvent(e);
    FormResize();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ui_->Edit1 && FEditWndProc) return EditWndProc(e);
    if (e->type() != QEvent::Resize) return QWidget::eventFilter(watched, e);
    if (watched == ui_->Panel2) {
        // The channel panel keeps its width and its right edge on Panel2's.
        ui_->bsSkinPageControl1->setGeometry(ui_->Panel2->width() - 202, 0, 202, ui_->Panel2->height());
    } else if (watched == ui_->bsSkinTabSheet1) {
        const QSize page = ui_->bsSkinTabSheet1->size();
        ui_->Splitter2->setGeometry(0, 0, page.width(), 1);
        ui_->bsSkinPanel2->setGeometry(0, 1, page.width(), page.height() - 1);
    } else if (watched == ui_->bsSkinTabSheet2) {
        const QSize page = ui_->bsSkinTabSheet2->size();
        ui_->TreeView1->setGeometry(1, 1, page.width() - 2, page.height() - 3);
    } else if (watched == ui_->bsSkinPanel1) {
        const QRect inside = ui_->bsSkinPanel1->clientRect();
        ui_->EmbeddedWB2->setGeometry(inside);
        if (TWindowsMediaPlayer* player = ui_->WindowsMediaPlayer1; player && !player->isWindow())
            player->setGeometry(inside);
        bsSkinPanel1Resize();
    }
    return QWidget::eventFilter(watched, e);
}

void TForm1::showEvent(QShowEvent* e) {
    if (!centred_) {
        // Centred on the desktop the first time only.
        centred_ = true;
        const QRect desktop = screen() ? screen()->virtualGeometry() : QRect();
        const QSize outer = frameGeometry().size();
        move(desktop.x() + (desktop.width() - outer.width()) / 2, desktop.y() + (desktop.height() - outer.height()) / 2);
    }
    QWidget::showEvent(e);
}

void TForm1::FormResize() {
    if (FPlaying && ui_->WindowsMediaPlayer1) ui_->WindowsMediaPlayer1->ShowRequest();
}

void TForm1::bsSkinPanel1Resize() {
    TEdit* ticker = ui_->Edit1;
    ticker->move(ui_->bsSkinPanel1->width() - ticker->width() - 80,
                 ui_->bsSkinPanel1->height() - ticker->height() - 48);
    ui_->Panel2->update();
    if (FPlaying && ui_->WindowsMediaPlayer1) ui_->WindowsMediaPlayer1->ShowRequest();
}

// ---- ticker --------------------------------------------------------------------------

bool TForm1::EditWndProc(QEvent* message) {
    // The ticker never reacts to getting the focus: no caret, no selection.
    if (message->type() == QEvent::FocusIn) return true;
    return FEditWndProc(message);
}

void TForm1::Timer1Timer() {
    const TIniFile ini(PromotionFileName());
    const std::vector<std::string> labels = ini.ListKeys(kPromotionSection);
    const std::size_t n = labels.size();
    if (n == 0) return;  // nothing to show: the ticker keeps its text
    const std::string current = ui_->Edit1->ansiText();
    std::size_t k = n;
    for (std::size_t p = 0; p < n; ++p)
        if (labels[p] == current) {
            k = p;
            break;
        }
    ui_->Edit1->setAnsiText(labels[(k + 1) % n]);
}

void TForm1::Edit1Click() {
    const TIniFile ini(PromotionFileName());
    ShellOpen(ini.ReadEntry(kPromotionSection, ui_->Edit1->ansiText(), ""));
}

// ---- demo channels -------------------------------------------------------------------

void TForm1::DemoChannelClick(int row) {
    TWindowsMediaPlayer* player = ui_->WindowsMediaPlayer1;
    if (!player) return;
    if (player->isHidden()) player->setVisible(true);
    player->setURL(DemoChannelAddress(row));
    FPlaying = true;
    player->ShowRequest();
}

void TForm1::bsSkinSpeedButton1Click() { DemoChannelClick(0); }
void TForm1::bsSkinSpeedButton2Click() { DemoChannelClick(1); }
void TForm1::bsSkinSpeedButton3Click() { DemoChannelClick(2); }
void TForm1::bsSkinSpeedButton4Click() { DemoChannelClick(3); }
void TForm1::bsSkinSpeedButton5Click() { DemoChannelClick(4); }
void TForm1::bsSkinSpeedButton6Click() { DemoChannelClick(5); }
void TForm1::bsSkinSpeedButton7Click() { DemoChannelClick(6); }
void TForm1::bsSkinSpeedButton8Click() { DemoChannelClick(7); }
void TForm1::bsSkinSpeedButton9Click() { DemoChannelClick(8); }
void TForm1::bsSkinSpeedButton10Click() { DemoChannelClick(9); }

// ---- hide key ------------------------------------------------------------------------

bool TForm1::event(QEvent* e) {
    if (e->type() == HotKeyEvent::eventType()) {
        WMHotKey(static_cast<HotKeyEvent*>(e)->lParam());
        return true;
    }
    return QWidget::event(e);
}

void TForm1::WMHotKey(quint32 lParam) {
    const unsigned modifiers = lParam & 0xFFFF;
    const unsigned key = lParam >> 16;
    if (modifiers != 0 || key != VK_HOME) return;

    if (isVisible()) {
        hiddenAt_ = pos();
        hide();
    } else {
        show();
        move(hiddenAt_);  // where it was, not centred again
    }

    TWindowsMediaPlayer* player = ui_->WindowsMediaPlayer1;
    if (!player) return;  // closing has destroyed it
    const auto first = player->settings();
    const short muted = first->mute();
    const auto second = player->settings();
    second->setMute(muted == 0 ? VARIANT_TRUE : VARIANT_FALSE);
}
