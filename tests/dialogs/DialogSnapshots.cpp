// Draws every secondary dialog and the on-screen display with the generated skins, in English and
// Chinese at UiScale 1.0 and 2.0, into PNG files for looking at them. Not a test.
//   dialog_snapshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "app/CAttentionDlg.h"
#include "app/CFirmwareResetDlg.h"
#include "app/COSDDialog.h"
#include "app/CProgressBarDlg.h"
#include "app/LanguageTable.h"
#include "performance/CColorPaletteDlg.h"
#include "performance/CDPIValueSettingDlg.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtWindowHost.h"
#include "ui/UiEnvironment.h"

namespace vexmo {
namespace {

bool Save(platform::Window& window, const QString& path) {
    QApplication::processEvents();
    auto* host = dynamic_cast<platform::qt::QtWindowHost*>(window.host());
    if (host == nullptr || host->widget() == nullptr) return false;
    const bool ok = host->widget()->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

int Run(const QString& out) {
    QTemporaryDir data;
    if (!data.isValid() || !QDir().mkpath(out)) return 1;
    const std::string dataDir = data.path().toStdString() + "/";
    DpiStepTable steps;
    steps.Build(0x3395);  // 50 to 26000 DPI: the longest range labels
    int failures = 0;
    for (const char* locale : {"en", "zh"}) {
        QDir(data.path()).removeRecursively();
        InstallLanguageFiles(dataDir, locale);
        for (double scale : {1.0, 2.0}) {
            LanguageTable language;
            if (!language.load(dataDir, scale)) return 1;
            ui::UiEnvironment env;
            env.uiScale = scale;
            env.appDirectory = VEXMO_BINARY_DIR "/";
            env.uiFont = language.font();
            ui::SetEnv(env);
            const QString suffix = QStringLiteral("_%1_%2x.png").arg(locale).arg(int(scale));
            const auto shot = [&](const char* name, platform::Window& window) {
                failures += Save(window, out + "/" + name + suffix) ? 0 : 1;
            };

            CAttentionDlg attention(language, language.text(150), language.text(155), nullptr);
            attention.ShowModeless();
            shot("attention", attention);

            CProgressBarDlg progress(u"", language.text(146));
            progress.Create(nullptr);
            for (int i = 0; i < 30; ++i)  // 60 %
                progress.onTimer(CProgressBarDlg::kStepTimer);
            shot("progress", progress);

            CFirmwareResetDlg reset(language);
            reset.Create(nullptr);
            shot("firmware_reset", reset);

            CDPIValueSettingDlg dpi(language, steps, steps.count(), 31);
            dpi.Create(nullptr);
            shot("dpi_value", dpi);

            ProfileRecord profile;
            profile.dpiLevelIndication[0] = makeColour(255, 40, 200);
            CColorPaletteDlg palette(language, profile, 0);
            palette.Create(nullptr);
            shot("color_palette", palette);

            COSDDialog osd;
            osd.Open({u"DPI-3", u"12000", u"1000Hz"});
            shot("osd", osd);
            osd.SetTexts({u"DPI-1", u"800", u"125Hz"});
            shot("osd_short", osd);
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vexmo

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_snapshots OUTPUT_DIR\n");
        return 2;
    }
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    vexmo::platform::qt::QtServices services;
    return vexmo::Run(QString::fromLocal8Bit(argv[1]));
}
