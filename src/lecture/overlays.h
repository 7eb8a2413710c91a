#pragma once

#include <QPointer>
#include <QWidget>

namespace lecture
{

// A black sheet over the whole window, blank or with the help text, shown until the next key.
// It follows the window's size and takes no focus, so the keys still reach the window.
class Cover : public QWidget
{
    Q_OBJECT

public:
    explicit Cover(QWidget &window);
    // An empty text gives a blank screen.
    void showText(const QString &text);
    const QString &shownText() const { return text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString text;
};

// A thick frame around the widget with keyboard focus, drawn over the window without taking
// any place in its layout, so that the hall sees where the remote's keys act.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    explicit FocusRing(QWidget &window);
    void follow(QWidget *widget);
    static constexpr int thickness = 5;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    QPointer<QWidget> followed;
};

} // namespace lecture
