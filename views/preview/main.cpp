// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the four views in a few states into PNG files, so that a person
// can look at them without running the tuner:
//   kalvo-view-preview [output directory]
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "platform/ui/Gdi.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"

namespace {
QDir g_outDir;
int g_nWritten = 0;
int g_nFailed = 0;

void Save(const QImage& image, const char* name, int nScale = 3) {
    // Enlarged without smoothing, so single pixels stay visible.
    const QImage big =
        image.scaled(image.size() * nScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = g_outDir.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!big.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_nFailed;
        return;
    }
    std::printf("%s\n", qPrintable(path));
    ++g_nWritten;
}

// Feeds the meter a steady mismatch until the shown value has settled on it.
void ShowCents(CCentMeter& meter, int nCents) {
    meter.GetCounter()->m_bDamping = 0;
    const float t = 440.0f;
    const float f = static_cast<float>(440.0 * std::pow(2.0, nCents / 1200.0));
    for (int i = 0; i < 200 && !(meter.GetCounter()->GetShownCents() == nCents &&
                                 meter.GetCounter()->HasSignal());
         ++i) {
        meter.SetPitch(f, t);
        meter.ComputeCents();
    }
}

// A normalised spectrum of a tone with harmonics over a low noise floor.
std::vector<float> ToneSpectrum(double fundamental, unsigned nBins, double binWidth) {
    std::vector<float> mags(nBins, 0.0f);
    for (unsigned k = 0; k < nBins; ++k)
        mags[k] = static_cast<float>(0.002 * (1.0 + 0.5 * std::sin(k * 0.37) * std::sin(k * 0.11)));
    for (int h = 1; h * fundamental < nBins * binWidth; ++h) {
        const double centre = h * fundamental / binWidth;
        const double amplitude = std::pow(0.55, h - 1);
        for (int d = -4; d <= 4; ++d) {
            const long k = std::lround(centre) + d;
            if (k < 0 || k >= static_cast<long>(nBins)) continue;
            const double x = (k - centre) / 1.3;
            mags[k] = std::max(mags[k], static_cast<float>(amplitude * std::exp(-x * x)));
        }
    }
    return mags;
}

void Spectrum(CSpectrumArea& area, CFont& font, double fundamental, const char* name) {
    area.m_pFont = &font;
    const unsigned nBins = FFT_SIZE_LARGE / 2 + 1;
    const double binWidth = static_cast<double>(SAMPLE_RATE) / FFT_SIZE_LARGE;
    QImage image = area.RenderImage();  // sets the plot geometry first
    if (fundamental > 0) {
        const auto mags = ToneSpectrum(fundamental, nBins, binWidth);
        const int peak = area.GetColumns()->PrepareColumns(
            mags.data(), nBins, static_cast<float>(binWidth), fundamental);
        area.SetPeakColumn(peak);
    } else {
        const std::vector<float> silence(nBins, 0.0f);
        area.GetColumns()->PrepareColumns(silence.data(), nBins, static_cast<float>(binWidth), 0.0);
        area.SetPeakColumn(-1);
    }
    area.Render(image);
    Save(image, name, 2);
}

// The zoom a display plug-in would give: halve the range per level around
// the centre, within 40 ... 4000 Hz.
void PreviewZoom(unsigned level, float centre, float* from, float* to, float* range,
                 double* logRange) {
    const double width = 3960.0 / (1 << level);
    double lo = std::clamp(centre - width / 2, 40.0, 4000.0 - width);
    *from = static_cast<float>(lo);
    *to = static_cast<float>(lo + width);
    *range = *to - *from;
    *logRange = std::log10(static_cast<double>(*to) / *from);
}
}  // namespace

// The four views where the main window's first layout puts them (client area
// 534 x 330, ivory), as the paint events draw them.
void Layout(CNoteArea& note, CCentMeter& meter, CFrequencyDisplay& display,
            CSpectrumArea& spectrum) {
    QImage window(534, 330, QImage::Format_RGB32);
    window.fill(QColor(255, 255, 240));
    auto place = [&](QWidget& view, int x, int y) {
        const QImage picture = view.grab().toImage();
        QPainter painter(&window);
        painter.drawImage(QPoint(x, y), picture);
    };
    place(note, 10, 10);
    place(meter, 10, 130);
    place(display, 10, 175);
    place(spectrum, 150, 10);
    Save(window, "layout", 2);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!g_outDir.exists() && !QDir().mkpath(g_outDir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(g_outDir.path()));
        return 1;
    }
    CFont font;
    font.CreateDialogFont();

    {
        CCentMeter meter;
        Save(meter.RenderImage(), "cent_meter_no_signal");
        for (int cents : {0, 5, -12, 30, -50}) {
            ShowCents(meter, cents);
            char name[64];
            std::snprintf(name, sizeof name, "cent_meter_%+d", cents);
            Save(meter.RenderImage(), name);
        }
    }
    {
        CNoteArea area;
        area.m_pFont = &font;
        Save(area.RenderImage(), "note_area_no_signal");
        struct State {
            int note;
            int sharps;
            const char* name;
        };
        for (const State& s :
             {State{45, 0, "note_area_A5"}, State{36, 0, "note_area_C5"},
              State{37, 1, "note_area_C5sharp_sharps"}, State{37, 0, "note_area_C5sharp_flats"},
              State{12, 0, "note_area_C3"}, State{61, 1, "note_area_C7sharp_octave"},
              State{72, 0, "note_area_C8_octave"}}) {
            area.SetFrequency(NoteTable[s.note]);
            area.m_bSharps = s.sharps;
            Save(area.RenderImage(), s.name);
        }
    }
    {
        CFrequencyDisplay display;
        display.ShowFrequency(NO_FREQUENCY);
        Save(display.RenderImage(), "frequency_display_no_signal");
        display.ShowFrequency(440.0f);
        Save(display.RenderImage(), "frequency_display_0440.0");
        display.ShowFrequency(1234.56f);
        Save(display.RenderImage(), "frequency_display_1234.6");
    }
    {
        CSpectrumArea area;
        Spectrum(area, font, 0, "spectrum_silence");
        Spectrum(area, font, 220.0, "spectrum_linear_220Hz");
        area.GetColumns()->m_nDynamicRange = 80;
        Spectrum(area, font, 330.0, "spectrum_linear_330Hz_80dB");
        area.GetColumns()->m_nDynamicRange = 35;
        area.GetColumns()->m_bLogarithmic = 1;
        Spectrum(area, font, 110.0, "spectrum_log_110Hz_35dB");
        area.GetColumns()->m_bLogarithmic = 0;
        area.GetColumns()->m_nDynamicRange = 45;
        area.SetZoomFunction(PreviewZoom);
        area.BeginZoomMenu(QPoint(20 + (area.ClientSize().width() - 40) / 4, 50));
        area.OnZoomIn();
        area.OnZoomIn();
        Spectrum(area, font, 440.0, "spectrum_zoom2_440Hz");
    }
    {
        // One reading: A5 a little sharp.
        CFont dialogFont;
        dialogFont.CreateDialogFont();
        CNoteArea note;
        note.m_pFont = &dialogFont;
        CCentMeter meter;
        CFrequencyDisplay display;
        CSpectrumArea spectrum;
        spectrum.SetSize(534 - 170, 330 - 135);
        const float f = 443.1f;
        note.SetFrequency(f);
        ShowCents(meter, 12);
        display.ShowFrequency(f);
        spectrum.m_pFont = &dialogFont;
        const unsigned nBins = FFT_SIZE_LARGE / 2 + 1;
        const double binWidth = static_cast<double>(SAMPLE_RATE) / FFT_SIZE_LARGE;
        spectrum.RenderImage();
        const auto mags = ToneSpectrum(f, nBins, binWidth);
        spectrum.SetPeakColumn(spectrum.GetColumns()->PrepareColumns(
            mags.data(), nBins, static_cast<float>(binWidth), f));
        Layout(note, meter, display, spectrum);
    }
    return g_nFailed == 0 && g_nWritten > 0 ? 0 : 1;
}
