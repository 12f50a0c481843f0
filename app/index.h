#pragma once

#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TForm1;
}
class QTimer;
class QTreeWidget;
class TEdit;
class TWindowsMediaPlayer;

// Identifier of the hide key's registration; 0 until start-up sets it.
extern int HotKeyId;

// The main window: channel panel on the left, content area on the right.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up and shutdown.
    void FormCreate();
    void FormClose();

    // Catalogue.
    void Load(const std::string& name);

    // Resize handlers.
    void FormResize();
    void bsSkinPanel1Resize();

    // Ticker.
    void Timer1Timer();
    void Edit1Click();
    bool EditWndProc(QEvent* message);

    // Demo channels.
    void bsSkinSpeedButton1Click();
    void bsSkinSpeedButton2Click();
    void bsSkinSpeedButton3Click();
    void bsSkinSpeedButton4Click();
    void bsSkinSpeedButton5Click();
    void bsSkinSpeedButton6Click();
    void bsSkinSpeedButton7Click();
    void bsSkinSpeedButton8Click();
    void bsSkinSpeedButton9Click();
    void bsSkinSpeedButton10Click();

    // Hide key: WM_HOTKEY with its LParam.
    void WMHotKey(quint32 lParam);

    std::string CatalogueFileName() const;
    std::string PromotionFileName() const;
    static QString StartPageAddress();
    static QString DemoChannelAddress(int row);

    // Shared fields.
    std::function<bool(QEvent*)> FEditWndProc;
    std::array<char, 261> FTempPath{};
    bool FPlaying = false;

    // Components: the layout's, plus the non-visual ones.
    Ui::TForm1* ui() const { return ui_.get(); }
    TWindowsMediaPlayer* WindowsMediaPlayer1() const;
    QTimer* Timer1 = nullptr;
    QIcon ImageList1;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void DemoChannelClick(int row);
    void AlignControls();

    std::unique_ptr<Ui::TForm1> ui_;
    bool centred_ = false;
    bool hotKeyRegistered_ = false;
    bool closed_ = false;
    QPoint hiddenAt_;
};
