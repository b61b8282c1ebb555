// kalvo-grab-screen FILE.png [DELAY_MS]: waits, then saves the whole X
// screen (every window on it) as a PNG.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kalvo-grab-screen FILE.png [DELAY_MS]\n");
        return 2;
    }
    if (argc > 2) QThread::msleep(static_cast<unsigned long>(std::atol(argv[2])));
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    if (screen.isNull() || !screen.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "kalvo-grab-screen: cannot grab or write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
