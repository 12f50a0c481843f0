#pragma once

#include <QTabBar>
#include <QWidget>

class QStackedWidget;

// The dark tabbed panel: a strip of glossy tabs over pages framed by a thin
// blue-grey line. Pages are added with addPage; a page's window title is its
// tab caption.
class TbsSkinPageControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)

public:
    static constexpr int kTabHeight = 21;

    explicit TbsSkinPageControl(QWidget* parent = nullptr);

    void addPage(QWidget* page);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget* currentPage() const;
    QTabBar* tabBar() const { return tabs_; }
    // The rectangle the pages fill.
    QRect pageRect() const;

protected:
    void resizeEvent(QResizeEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    QTabBar* tabs_;
    QStackedWidget* pages_;
};

// Tabs painted from the frame skin.
class TbsSkinTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit TbsSkinTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent*) override;
};
