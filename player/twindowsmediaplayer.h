#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <mutex>
#include <vector>

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_list_player_t;
struct libvlc_event_t;
class QLabel;
class QSlider;
class QTimer;
class QToolButton;
class TWindowsMediaPlayer;

// VARIANT_BOOL values of the mute setting.
inline constexpr short VARIANT_TRUE = -1;
inline constexpr short VARIANT_FALSE = 0;

// A reference to the player's settings. It stays usable after the player is
// gone, but every call then fails with an error instead of touching it.
class IWMPSettings {
public:
    explicit IWMPSettings(TWindowsMediaPlayer* player) : player_(player) {}
    short mute() const;                 // VARIANT_BOOL: 0 off, anything else on
    void setMute(short value);
    int volume() const;
    void setVolume(int value);

private:
    TWindowsMediaPlayer* checked() const;
    QPointer<TWindowsMediaPlayer> player_;
};

// The embedded media player: plays stream addresses and playlists through
// libVLC, paints the video itself and carries its own control bar (play,
// pause, stop, mute, volume, position, status, full screen).
class TWindowsMediaPlayer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)

public:
    enum class State { Idle, Opening, Buffering, Playing, Paused, Stopped, Ended, Error, Reconnecting };
    Q_ENUM(State)

    explicit TWindowsMediaPlayer(QWidget* parent = nullptr);
    ~TWindowsMediaPlayer() override;

    // Opens the address and, with autoStart on, plays it. Returns at once.
    // Throws when the address cannot even be handed to the player.
    void setURL(const QString& address);
    QString URL() const { return url_; }
    bool autoStart() const { return true; }

    // Shows the player in place at its current bounds, then gives activation
    // and keyboard focus back to the window and widget that had them.
    void ShowRequest();

    std::unique_ptr<IWMPSettings> settings() { return std::make_unique<IWMPSettings>(this); }
    bool isMuted() const { return mute_; }
    void setMuted(bool on);
    int volume() const { return volume_; }
    void setVolume(int value);

    // Stops playback and releases the media; fine when nothing was opened.
    void close();

    // Control-bar commands, also on the right-click menu.
    void play();
    void pause();
    void stop();
    void toggleFullScreen();

    // The audio output's own mute state: 1 muted, 0 not, -1 no output yet.
    int outputMuted() const;

    State state() const { return state_; }
    QString statusText() const;
    // Frames painted so far, and the last frame as the decoder delivered it.
    int framesPainted() const { return framesPainted_; }
    QImage currentFrame() const;
    QRect videoRect() const;

signals:
    void showRequested();
    void urlSet(const QString& address);
    void stateChanged(TWindowsMediaPlayer::State state);
    void framePainted();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;

private:
    // libVLC calls these on its own threads.
    static void* lockFrame(void* opaque, void** planes);
    static void unlockFrame(void* opaque, void* picture, void* const* planes);
    static void displayFrame(void* opaque, void* picture);
    static unsigned setupFormat(void** opaque, char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                                unsigned* lines);
    static void cleanupFormat(void* opaque);
    static void onVlcEvent(const libvlc_event_t* event, void* opaque);
    static void onVlcLog(void* data, int level, const void* ctx, const char* fmt, va_list args);

    // UI-thread side of the libVLC events.
    void handleEvent(int type, float value);
    void setState(State s, const QString& detail = QString());
    void startPlayback();
    void scheduleReconnect();
    void updateControls();
    void applyAudioSettings();
    void seekFromSlider();

    libvlc_instance_t* vlc_ = nullptr;
    libvlc_media_player_t* mp_ = nullptr;
    libvlc_media_list_player_t* listPlayer_ = nullptr;

    QString url_;
    bool mute_ = false;
    int volume_ = 50;
    State state_ = State::Idle;
    QString detail_;
    bool wantPlaying_ = false;   // the user expects a stream: a drop means reconnect
    int reconnectDelayMs_ = 0;
    qint64 playingSinceMs_ = 0;
    QTimer* reconnectTimer_;
    QTimer* positionTimer_;

    // Video frames: libVLC decodes into buffer_ under frameMutex_.
    mutable std::mutex frameMutex_;
    std::vector<uchar> buffer_;
    unsigned frameWidth_ = 0, frameHeight_ = 0;
    bool haveFrame_ = false;
    int framesPainted_ = 0;

    mutable std::mutex logMutex_;
    QString lastError_;

    // Control bar.
    QWidget* bar_;
    QToolButton* playButton_;
    QToolButton* stopButton_;
    QToolButton* muteButton_;
    QSlider* volumeSlider_;
    QSlider* positionSlider_;
    QLabel* status_;
    QToolButton* fullScreenButton_;

    // Where the player sat before going full screen.
    QPointer<QWidget> normalParent_;
    QPointer<QWidget> normalAbove_;
    QRect normalGeometry_;
};
