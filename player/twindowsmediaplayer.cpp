#include "player/twindowsmediaplayer.h"

#include "storage/exception.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <vlc/vlc.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kBarHeight = 30;
constexpr int kFirstReconnectDelayMs = 1000;
constexpr int kMaxReconnectDelayMs = 30000;
constexpr qint64 kStablePlayMs = 10000;  // playing this long resets the reconnect delay

const libvlc_event_e kPlayerEvents[] = {
    libvlc_MediaPlayerOpening, libvlc_MediaPlayerBuffering,       libvlc_MediaPlayerPlaying,
    libvlc_MediaPlayerPaused,  libvlc_MediaPlayerStopped,         libvlc_MediaPlayerEncounteredError,
    libvlc_MediaPlayerESAdded, libvlc_MediaPlayerSeekableChanged,
};

enum class Glyph { Play, Pause, Stop, Sound, Muted, FullScreen };

// Light glyphs that read on the dark control bar.
QIcon PaintGlyph(Glyph glyph) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(225, 232, 240);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (glyph) {
    case Glyph::Play:
        p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
        break;
    case Glyph::Pause:
        p.drawRect(QRectF(3.5, 2.5, 3.5, 11));
        p.drawRect(QRectF(9, 2.5, 3.5, 11));
        break;
    case Glyph::Stop:
        p.drawRect(QRectF(3, 3, 10, 10));
        break;
    case Glyph::Sound:
    case Glyph::Muted:
        p.drawPolygon(QPolygonF({QPointF(1.5, 5.5), QPointF(4.5, 5.5), QPointF(8.5, 2), QPointF(8.5, 14),
                                 QPointF(4.5, 10.5), QPointF(1.5, 10.5)}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.4));
        if (glyph == Glyph::Sound) {
            p.drawArc(QRectF(6, 4.5, 6, 7), -60 * 16, 120 * 16);
            p.drawArc(QRectF(6, 2, 9, 12), -60 * 16, 120 * 16);
        } else {
            p.setPen(QPen(QColor(255, 96, 80), 1.6));
            p.drawLine(QPointF(10.5, 5.5), QPointF(15, 10.5));
            p.drawLine(QPointF(15, 5.5), QPointF(10.5, 10.5));
        }
        break;
    case Glyph::FullScreen:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.6));
        p.drawPolyline(QPolygonF({QPointF(2, 6), QPointF(2, 2), QPointF(6, 2)}));
        p.drawPolyline(QPolygonF({QPointF(10, 2), QPointF(14, 2), QPointF(14, 6)}));
        p.drawPolyline(QPolygonF({QPointF(14, 10), QPointF(14, 14), QPointF(10, 14)}));
        p.drawPolyline(QPolygonF({QPointF(6, 14), QPointF(2, 14), QPointF(2, 10)}));
        break;
    }
    return QIcon(pm);
}

// Each glyph is painted once and shared.
const QIcon& BarIcon(Glyph glyph) {
    static const QIcon icons[] = {PaintGlyph(Glyph::Play),  PaintGlyph(Glyph::Pause), PaintGlyph(Glyph::Stop),
                                  PaintGlyph(Glyph::Sound), PaintGlyph(Glyph::Muted), PaintGlyph(Glyph::FullScreen)};
    return icons[int(glyph)];
}

}  // namespace

// ---- settings reference ----------------------------------------------------

TWindowsMediaPlayer* IWMPSettings::checked() const {
    if (!player_) throw Exception("The media player is no longer available");
    return player_;
}

short IWMPSettings::mute() const { return checked()->isMuted() ? VARIANT_TRUE : VARIANT_FALSE; }
void IWMPSettings::setMute(short value) { checked()->setMuted(value != 0); }
int IWMPSettings::volume() const { return checked()->volume(); }
void IWMPSettings::setVolume(int value) { checked()->setVolume(value); }

// ---- the player --------------------------------------------------------------

TWindowsMediaPlayer::TWindowsMediaPlayer(QWidget* parent)
    : QWidget(parent), reconnectTimer_(new QTimer(this)), positionTimer_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);

    const char* args[] = {"--no-video-title-show", "--no-osd", "--no-snapshot-preview", "--no-stats",
                          "--network-caching=600", "--http-reconnect",
                          // Frames are painted from memory: hardware surfaces would need a copy-back.
                          "--avcodec-hw=none"};
    vlc_ = libvlc_new(int(std::size(args)), args);
    if (vlc_) {
        libvlc_log_set(vlc_, reinterpret_cast<libvlc_log_cb>(&TWindowsMediaPlayer::onVlcLog), this);
        mp_ = libvlc_media_player_new(vlc_);
        listPlayer_ = libvlc_media_list_player_new(vlc_);
    }
    if (mp_ && listPlayer_) {
        libvlc_media_list_player_set_media_player(listPlayer_, mp_);
        libvlc_video_set_key_input(mp_, false);
        libvlc_video_set_mouse_input(mp_, false);
        libvlc_video_set_callbacks(mp_, &lockFrame, &unlockFrame, &displayFrame, this);
        libvlc_video_set_format_callbacks(mp_, &setupFormat, &cleanupFormat);
        libvlc_event_manager_t* em = libvlc_media_player_event_manager(mp_);
        for (libvlc_event_e type : kPlayerEvents) libvlc_event_attach(em, type, &onVlcEvent, this);
        libvlc_event_attach(libvlc_media_list_player_event_manager(listPlayer_), libvlc_MediaListPlayerPlayed,
                            &onVlcEvent, this);
    }

    // Control bar ("full" mode).
    bar_ = new QWidget(this);
    bar_->setAutoFillBackground(true);
    QPalette pal = bar_->palette();
    pal.setColor(QPalette::Window, QColor(24, 28, 34));
    pal.setColor(QPalette::WindowText, QColor(220, 220, 220));
    bar_->setPalette(pal);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    auto button = [this, row](Glyph icon, const QString& name) {
        auto* b = new QToolButton(bar_);
        b->setIcon(BarIcon(icon));
        b->setToolTip(name);
        b->setAccessibleName(name);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        return b;
    };
    playButton_ = button(Glyph::Play, "Play");
    stopButton_ = button(Glyph::Stop, "Stop");
    muteButton_ = button(Glyph::Sound, "Mute");
    muteButton_->setCheckable(true);
    volumeSlider_ = new QSlider(Qt::Horizontal, bar_);
    volumeSlider_->setRange(0, 100);
    volumeSlider_->setValue(volume_);
    volumeSlider_->setFixedWidth(70);
    volumeSlider_->setFocusPolicy(Qt::NoFocus);
    volumeSlider_->setAccessibleName("Volume");
    row->addWidget(volumeSlider_);
    positionSlider_ = new QSlider(Qt::Horizontal, bar_);
    positionSlider_->setRange(0, 1000);
    positionSlider_->setEnabled(false);
    positionSlider_->setFocusPolicy(Qt::NoFocus);
    positionSlider_->setAccessibleName("Position");
    row->addWidget(positionSlider_, 2);
    status_ = new QLabel(bar_);
    status_->setMinimumWidth(60);
    row->addWidget(status_, 3);
    fullScreenButton_ = button(Glyph::FullScreen, "Full screen");

    connect(playButton_, &QToolButton::clicked, this,
            [this] { state_ == State::Playing || state_ == State::Buffering ? pause() : play(); });
    connect(stopButton_, &QToolButton::clicked, this, &TWindowsMediaPlayer::stop);
    connect(muteButton_, &QToolButton::toggled, this, &TWindowsMediaPlayer::setMuted);
    connect(volumeSlider_, &QSlider::valueChanged, this, &TWindowsMediaPlayer::setVolume);
    connect(positionSlider_, &QSlider::sliderReleased, this, &TWindowsMediaPlayer::seekFromSlider);
    connect(fullScreenButton_, &QToolButton::clicked, this, &TWindowsMediaPlayer::toggleFullScreen);

    reconnectTimer_->setSingleShot(true);
    connect(reconnectTimer_, &QTimer::timeout, this, [this] {
        if (wantPlaying_) startPlayback();
    });
    positionTimer_->setInterval(500);
    connect(positionTimer_, &QTimer::timeout, this, [this] {
        applyAudioSettings();
        updateControls();
    });
    positionTimer_->start();
    if (!vlc_) setState(State::Error, tr("the media engine (libVLC) could not start"));
    updateControls();
}

TWindowsMediaPlayer::~TWindowsMediaPlayer() {
    if (listPlayer_) libvlc_media_list_player_stop(listPlayer_);
    if (mp_) {
        libvlc_event_manager_t* em = libvlc_media_player_event_manager(mp_);
        for (libvlc_event_e type : kPlayerEvents) libvlc_event_detach(em, type, &onVlcEvent, this);
    }
    if (listPlayer_) {
        libvlc_event_detach(libvlc_media_list_player_event_manager(listPlayer_), libvlc_MediaListPlayerPlayed,
                            &onVlcEvent, this);
        libvlc_media_list_player_release(listPlayer_);
    }
    if (mp_) libvlc_media_player_release(mp_);
    if (vlc_) {
        libvlc_log_unset(vlc_);
        libvlc_release(vlc_);
    }
}

void TWindowsMediaPlayer::setURL(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty()) throw Exception("Invalid media address: " + address.toStdString());
    if (!listPlayer_) throw Exception("The media engine (libVLC) is not available");
    url_ = address;
    wantPlaying_ = true;
    reconnectDelayMs_ = 0;
    reconnectTimer_->stop();
    startPlayback();
    emit urlSet(address);
}

int TWindowsMediaPlayer::outputMuted() const {
    return mp_ ? libvlc_audio_get_mute(mp_) : -1;
}

void TWindowsMediaPlayer::startPlayback() {
    {
        std::lock_guard lock(logMutex_);
        lastError_.clear();
    }
    const QByteArray location = url_.toUtf8();
    libvlc_media_t* media = libvlc_media_new_location(vlc_, location.constData());
    if (!media) throw Exception("Cannot open " + url_.toStdString());
    libvlc_media_list_t* list = libvlc_media_list_new(vlc_);
    libvlc_media_list_add_media(list, media);
    libvlc_media_release(media);
    libvlc_media_list_player_set_media_list(listPlayer_, list);
    libvlc_media_list_release(list);
    // play() would resume the previous list's position; start the new one from its first item.
    libvlc_media_list_player_play_item_at_index(listPlayer_, 0);
    setState(State::Opening);
}

void TWindowsMediaPlayer::ShowRequest() {
    QWidget* focus = QApplication::focusWidget();
    QWidget* active = QApplication::activeWindow();
    // Stacking stays as created: above the browser, below the ticker.
    setVisible(true);
    update();
    if (active && active != window()) active->activateWindow();
    if (focus && focus != QApplication::focusWidget()) focus->setFocus(Qt::OtherFocusReason);
    emit showRequested();
}

void TWindowsMediaPlayer::setMuted(bool on) {
    mute_ = on;
    if (muteButton_->isChecked() != on) {
        const QSignalBlocker block(muteButton_);
        muteButton_->setChecked(on);
    }
    muteButton_->setIcon(BarIcon(on ? Glyph::Muted : Glyph::Sound));
    applyAudioSettings();
}

void TWindowsMediaPlayer::setVolume(int value) {
    volume_ = qBound(0, value, 100);
    if (volumeSlider_->value() != volume_) {
        const QSignalBlocker block(volumeSlider_);
        volumeSlider_->setValue(volume_);
    }
    applyAudioSettings();
}

void TWindowsMediaPlayer::applyAudioSettings() {
    // libVLC forgets settings made while no audio output exists: repeat them
    // whenever the output disagrees.
    if (!mp_) return;
    const int outMute = libvlc_audio_get_mute(mp_);
    if (outMute >= 0 && (outMute != 0) != mute_) libvlc_audio_set_mute(mp_, mute_ ? 1 : 0);
    const int outVolume = libvlc_audio_get_volume(mp_);
    if (outVolume >= 0 && outVolume != volume_) libvlc_audio_set_volume(mp_, volume_);
}

void TWindowsMediaPlayer::close() {
    wantPlaying_ = false;
    reconnectTimer_->stop();
    if (listPlayer_) {
        libvlc_media_list_player_stop(listPlayer_);
        libvlc_media_list_t* empty = libvlc_media_list_new(vlc_);
        libvlc_media_list_player_set_media_list(listPlayer_, empty);
        libvlc_media_list_release(empty);
        libvlc_media_player_set_media(mp_, nullptr);
    }
    {
        std::lock_guard lock(frameMutex_);
        haveFrame_ = false;
    }
    setState(State::Stopped);
    update();
}

void TWindowsMediaPlayer::play() {
    if (!listPlayer_) return;
    if (state_ == State::Paused) {
        libvlc_media_list_player_set_pause(listPlayer_, 0);
        return;
    }
    if (url_.isEmpty()) return;
    wantPlaying_ = true;
    reconnectDelayMs_ = 0;
    reconnectTimer_->stop();
    startPlayback();
}

void TWindowsMediaPlayer::pause() {
    if (listPlayer_) libvlc_media_list_player_set_pause(listPlayer_, 1);
}

void TWindowsMediaPlayer::stop() {
    wantPlaying_ = false;
    reconnectTimer_->stop();
    if (listPlayer_) libvlc_media_list_player_stop(listPlayer_);
    setState(State::Stopped);
}

void TWindowsMediaPlayer::toggleFullScreen() {
    if (!isWindow()) {
        normalParent_ = parentWidget();
        normalGeometry_ = geometry();
        normalAbove_ = nullptr;  // the sibling above us, to go back under it
        const QObjectList& siblings = normalParent_->children();
        for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size() && !normalAbove_; ++i)
            if (siblings[i]->isWidgetType()) normalAbove_ = static_cast<QWidget*>(siblings[i]);
        setParent(nullptr, Qt::Window);
        showFullScreen();
        setFocus();
    } else {
        setParent(normalParent_, Qt::Widget);
        if (normalAbove_) stackUnder(normalAbove_);
        setGeometry(normalGeometry_);
        show();
    }
}

void TWindowsMediaPlayer::seekFromSlider() {
    if (mp_ && libvlc_media_player_is_seekable(mp_))
        libvlc_media_player_set_position(mp_, float(positionSlider_->value()) / 1000.0f);
}

// ---- events --------------------------------------------------------------------

void TWindowsMediaPlayer::onVlcEvent(const libvlc_event_t* event, void* opaque) {
    // A libVLC thread: copy what is needed and hand it to the UI thread.
    auto* self = static_cast<TWindowsMediaPlayer*>(opaque);
    const int type = event->type;
    const float value = type == libvlc_MediaPlayerBuffering ? event->u.media_player_buffering.new_cache : 0.0f;
    QMetaObject::invokeMethod(self, [self, type, value] { self->handleEvent(type, value); }, Qt::QueuedConnection);
}

void TWindowsMediaPlayer::onVlcLog(void* data, int level, const void*, const char* fmt, va_list args) {
    if (level < LIBVLC_ERROR) return;
    char text[512];
    std::vsnprintf(text, sizeof text, fmt, args);
    auto* self = static_cast<TWindowsMediaPlayer*>(data);
    std::lock_guard lock(self->logMutex_);
    self->lastError_ = QString::fromUtf8(text);
}

void TWindowsMediaPlayer::handleEvent(int type, float value) {
    switch (type) {
    case libvlc_MediaPlayerOpening:
        if (state_ != State::Reconnecting) setState(State::Opening);
        break;
    case libvlc_MediaPlayerBuffering:
        if (value < 100.0f && state_ != State::Playing && state_ != State::Paused)
            setState(State::Buffering, QString::number(int(value)));
        break;
    case libvlc_MediaPlayerPlaying:
        playingSinceMs_ = QDateTime::currentMSecsSinceEpoch();
        setState(State::Playing);
        applyAudioSettings();
        break;
    case libvlc_MediaPlayerESAdded:
        applyAudioSettings();
        break;
    case libvlc_MediaPlayerPaused:
        setState(State::Paused);
        break;
    case libvlc_MediaPlayerStopped:
        if (!wantPlaying_) setState(State::Stopped);
        break;
    case libvlc_MediaPlayerEncounteredError: {
        QString why;
        {
            std::lock_guard lock(logMutex_);
            why = lastError_;
        }
        setState(State::Error, why.isEmpty() ? tr("the stream could not be opened") : why);
        scheduleReconnect();
        break;
    }
    case libvlc_MediaListPlayerPlayed:
        // Everything in the playlist has been played: a live channel has dropped.
        if (state_ != State::Error) {
            QString why;
            {
                std::lock_guard lock(logMutex_);
                why = lastError_;
            }
            setState(State::Ended, why);
        }
        scheduleReconnect();
        break;
    default:
        break;
    }
    updateControls();
}

void TWindowsMediaPlayer::scheduleReconnect() {
    if (!wantPlaying_ || reconnectTimer_->isActive()) return;
    if (playingSinceMs_ && QDateTime::currentMSecsSinceEpoch() - playingSinceMs_ > kStablePlayMs)
        reconnectDelayMs_ = 0;
    playingSinceMs_ = 0;
    reconnectDelayMs_ = reconnectDelayMs_ ? qMin(reconnectDelayMs_ * 2, kMaxReconnectDelayMs) : kFirstReconnectDelayMs;
    const QString why = state_ == State::Error || state_ == State::Ended ? detail_ : QString();
    setState(State::Reconnecting, why);
    reconnectTimer_->start(reconnectDelayMs_);
}

void TWindowsMediaPlayer::setState(State s, const QString& detail) {
    const bool changed = s != state_ || detail != detail_;
    state_ = s;
    detail_ = detail;
    status_->setText(statusText());
    status_->setToolTip(statusText());
    if (changed) emit stateChanged(s);
}

QString TWindowsMediaPlayer::statusText() const {
    switch (state_) {
    case State::Idle: return tr("Ready");
    case State::Opening: return tr("Opening...");
    case State::Buffering: return tr("Buffering %1%").arg(detail_);
    case State::Playing: return tr("Playing");
    case State::Paused: return tr("Paused");
    case State::Stopped: return tr("Stopped");
    case State::Ended: return detail_.isEmpty() ? tr("Stream ended") : tr("Stream ended: %1").arg(detail_);
    case State::Error: return tr("Stream failed: %1").arg(detail_);
    case State::Reconnecting: {
        const QString base = tr("Reconnecting in %1 s").arg((reconnectDelayMs_ + 999) / 1000);
        return detail_.isEmpty() ? base : base + tr(" (%1)").arg(detail_);
    }
    }
    return {};
}

void TWindowsMediaPlayer::updateControls() {
    const bool running = state_ == State::Playing || state_ == State::Buffering || state_ == State::Opening;
    const QIcon& playIcon = BarIcon(running ? Glyph::Pause : Glyph::Play);
    if (playButton_->icon().cacheKey() != playIcon.cacheKey()) {  // runs on every event: touch only on change
        playButton_->setIcon(playIcon);
        playButton_->setToolTip(running ? tr("Pause") : tr("Play"));
        playButton_->setAccessibleName(running ? tr("Pause") : tr("Play"));
    }
    const bool seekable = mp_ && state_ == State::Playing && libvlc_media_player_is_seekable(mp_);
    positionSlider_->setEnabled(seekable);
    if (seekable && !positionSlider_->isSliderDown()) {
        const QSignalBlocker block(positionSlider_);
        positionSlider_->setValue(int(libvlc_media_player_get_position(mp_) * 1000.0f));
    }
}

// ---- video ---------------------------------------------------------------------

unsigned TWindowsMediaPlayer::setupFormat(void** opaque, char* chroma, unsigned* width, unsigned* height,
                                          unsigned* pitches, unsigned* lines) {
    auto* self = static_cast<TWindowsMediaPlayer*>(*opaque);
    std::memcpy(chroma, "RV32", 4);
    std::lock_guard lock(self->frameMutex_);
    self->frameWidth_ = *width;
    self->frameHeight_ = *height;
    pitches[0] = *width * 4;
    lines[0] = *height;
    self->buffer_.assign(size_t(*width) * *height * 4, 0);
    self->haveFrame_ = false;
    return 1;
}

void TWindowsMediaPlayer::cleanupFormat(void*) {}

void* TWindowsMediaPlayer::lockFrame(void* opaque, void** planes) {
    auto* self = static_cast<TWindowsMediaPlayer*>(opaque);
    self->frameMutex_.lock();
    planes[0] = self->buffer_.data();
    return nullptr;
}

void TWindowsMediaPlayer::unlockFrame(void* opaque, void*, void* const*) {
    static_cast<TWindowsMediaPlayer*>(opaque)->frameMutex_.unlock();
}

void TWindowsMediaPlayer::displayFrame(void* opaque, void*) {
    auto* self = static_cast<TWindowsMediaPlayer*>(opaque);
    {
        std::lock_guard lock(self->frameMutex_);
        self->haveFrame_ = true;
    }
    QMetaObject::invokeMethod(self, "update", Qt::QueuedConnection);
}

QRect TWindowsMediaPlayer::videoRect() const {
    return QRect(0, 0, width(), qMax(0, height() - kBarHeight));
}

QImage TWindowsMediaPlayer::currentFrame() const {
    std::lock_guard lock(frameMutex_);
    if (!haveFrame_) return {};
    return QImage(buffer_.data(), int(frameWidth_), int(frameHeight_), int(frameWidth_ * 4), QImage::Format_RGB32)
        .copy();
}

void TWindowsMediaPlayer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect area = videoRect();
    p.fillRect(area, Qt::black);
    bool painted = false;
    {
        std::lock_guard lock(frameMutex_);
        if (haveFrame_ && frameWidth_ && frameHeight_) {
            const QImage frame(buffer_.data(), int(frameWidth_), int(frameHeight_), int(frameWidth_ * 4),
                               QImage::Format_RGB32);
            // Keep the aspect ratio and never enlarge beyond the native size.
            QSize size{int(frameWidth_), int(frameHeight_)};
            if (size.width() > area.width() || size.height() > area.height())
                size.scale(area.size(), Qt::KeepAspectRatio);
            QRect target(QPoint(0, 0), size);
            target.moveCenter(area.center());
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(target, frame);
            painted = true;
        }
    }
    if (painted) {
        ++framesPainted_;
        emit framePainted();
    }
}

void TWindowsMediaPlayer::resizeEvent(QResizeEvent*) {
    bar_->setGeometry(0, height() - kBarHeight, width(), kBarHeight);
}

void TWindowsMediaPlayer::mouseDoubleClickEvent(QMouseEvent*) {
    toggleFullScreen();
}

void TWindowsMediaPlayer::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && isWindow()) {
        toggleFullScreen();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TWindowsMediaPlayer::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    const bool running = state_ == State::Playing || state_ == State::Buffering || state_ == State::Opening;
    menu.addAction(running ? tr("Pause") : tr("Play"), this, [this, running] { running ? pause() : play(); });
    menu.addAction(tr("Stop"), this, &TWindowsMediaPlayer::stop);
    QAction* mute = menu.addAction(tr("Mute"), this, [this](bool on) { setMuted(on); });
    mute->setCheckable(true);
    mute->setChecked(mute_);
    menu.addAction(isWindow() ? tr("Leave full screen") : tr("Full screen"), this,
                   &TWindowsMediaPlayer::toggleFullScreen);
    menu.exec(e->globalPos());
}
