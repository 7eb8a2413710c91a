#include "windowing/notice.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace veltarn
{

void removeNotice(QWidget &window)
{
    delete window.findChild<QLabel *>(QLatin1String(noticeName), Qt::FindDirectChildrenOnly);
}

void showNotice(QWidget &window, const QString &text)
{
    removeNotice(window);
    auto *notice = new QLabel(text, &window);
    notice->setObjectName(QLatin1String(noticeName));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    notice->setMargin(8);
    notice->setAutoFillBackground(true);
    notice->setPalette(QPalette(QColor(255, 250, 205)));
    notice->setFrameShape(QFrame::Box);
    const int width = std::min(window.width() - 20, 900);
    notice->setFixedWidth(std::max(width, 100));
    notice->adjustSize();
    notice->move((window.width() - notice->width()) / 2, window.height() - notice->height() - 10);
    notice->show();
    notice->raise();
    QTimer::singleShot(noticeDuration, notice, &QObject::deleteLater);
}

} // namespace veltarn
