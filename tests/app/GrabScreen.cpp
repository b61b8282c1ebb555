// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-grab-screen FILE.png [DELAY_MS [X Y W H]]: waits, then saves the X
// screen (every window on it), or the given part of it, as a PNG.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kalvo-grab-screen FILE.png [DELAY_MS [X Y W H]]\n");
        return 2;
    }
    if (argc > 2) QThread::msleep(static_cast<unsigned long>(std::atol(argv[2])));
    int x = 0, y = 0, w = -1, h = -1;
    if (argc > 6) {
        x = std::atoi(argv[3]);
        y = std::atoi(argv[4]);
        w = std::atoi(argv[5]);
        h = std::atoi(argv[6]);
    }
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0, x, y, w, h);
    if (screen.isNull() || !screen.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "kalvo-grab-screen: cannot grab or write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
