// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the about page as the information window shows it: a 630 x 390
// QTextBrowser loading info.html from a data folder. Writes two PNGs: the
// visible view and the whole page. Used only to look at the page.
//   preview <data folder> <view.png> <page.png>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: preview <data folder> <view.png> <page.png>\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTextBrowser view;
    view.resize(630, 390);
    view.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1]) + "/info.html"));
    view.show();
    app.processEvents();
    view.grab().save(QString::fromLocal8Bit(argv[2]));

    QTextDocument *doc = view.document();
    doc->setTextWidth(view.viewport()->width());
    QImage page(doc->size().toSize(), QImage::Format_ARGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    doc->drawContents(&painter);
    painter.end();
    page.save(QString::fromLocal8Bit(argv[3]));
    return 0;
}
