#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <QWidget>

namespace lecture
{

// One action in the help: its keys as the help writes them, and what it does.
struct HelpLine {
    QString keys;
    QString description;
};

// A black sheet over the whole window, blank or with the help, shown until the next key. It
// follows the window's size and takes no focus, so the keys still reach the window. The help
// fills the sheet's height in the largest text that fits, whatever the screen.
class Cover : public QWidget
{
    Q_OBJECT

public:
    explicit Cover(QWidget &window);
    void showBlank();
    void showHelp(const QString &title, const QList<HelpLine> &lines);
    // The help as plain text, the title and then one line per action, "keys — description";
    // empty on a blank screen.
    const QString &shownText() const { return text; }
    // The help's text size in pixels, as laid out for the present size.
    int textPixelSize() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void cover();
    // The help in the largest text that fits inside the margins, the room left spread between
    // its lines.
    void layOut();
    // Every line's height, in per cent of the text's own.
    void setLineHeight(int percent);
    QRect textArea() const;

    QString text;
    QTextDocument help;
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
