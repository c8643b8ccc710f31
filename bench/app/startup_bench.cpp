// Start-up and memory of the real program against a bare Qt Widgets window.
// Every sample is a fresh process (startup_formg / startup_bare beside this
// binary), timed from the spawn to the first painted frame, on the offscreen
// platform and, when Xvfb is installed, on a private Xvfb server started here.
#include "benchfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using radiane::bench::median;

struct Platform {
    std::string qpa;     // QT_QPA_PLATFORM of the children
    std::string display; // DISPLAY of the children, empty for offscreen
    std::string scale;   // QT_SCALE_FACTOR of the children, empty for none
};

struct Setup {
    QString binDir;
    QString folder; // a copy of the program folder's shipped data
};
Setup setup;

long long nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs a child with the platform's environment and returns its output, parsed
// as key=value words (all lines merged; a later line's key wins).
QHash<QString, double> runChild(const Platform& platform, const QString& program,
                                std::vector<std::string> args) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string var = *e;
        if (var.rfind("QT_QPA_PLATFORM=", 0) == 0 || var.rfind("DISPLAY=", 0) == 0 ||
            var.rfind("QT_SCALE_FACTOR=", 0) == 0)
            continue;
        env.push_back(var);
    }
    env.push_back("QT_QPA_PLATFORM=" + platform.qpa);
    if (!platform.display.empty())
        env.push_back("DISPLAY=" + platform.display);
    if (!platform.scale.empty())
        env.push_back("QT_SCALE_FACTOR=" + platform.scale);

    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    const std::string path = program.toStdString();
    const long long spawnNs = nowNs();
    args.insert(args.begin(), std::to_string(spawnNs));
    args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {};
    QHash<QString, double> values;
    for (const QString& word : QString::fromStdString(text).split(
             QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const qsizetype eq = word.indexOf(u'=');
        if (eq > 0)
            values.insert(word.left(eq), word.mid(eq + 1).toDouble());
    }
    return values;
}

QHash<QString, double> runFormg(const Platform& platform, int groups = 0) {
    return runChild(platform, setup.binDir + QStringLiteral("/startup_formg"),
                    {setup.folder.toStdString(), std::to_string(groups)});
}

QHash<QString, double> runBare(const Platform& platform) {
    return runChild(platform, setup.binDir + QStringLiteral("/startup_bare"), {});
}

// The fairer floor: the bare window drawing a line of CJK text and one picture.
QHash<QString, double> runTextFloor(const Platform& platform) {
    return runChild(platform, setup.binDir + QStringLiteral("/startup_bare"),
                    {setup.folder.toStdString()});
}

// Spawn to first painted frame of Formg, with the bare window's as its floor.
// Counters: medians in ms, the ratio and where the real start-up spends its time.
void BM_Startup(benchmark::State& state, Platform platform) {
    std::vector<double> formg, bare, text, toMain, app, skin, build, load, show, paint;
    bool swap = false;
    for (auto _ : state) {
        // Alternate the order so that neither side always runs on a warmer cache.
        QHash<QString, double> real, floor;
        if (swap) {
            floor = runBare(platform);
            real = runFormg(platform);
        } else {
            real = runFormg(platform);
            floor = runBare(platform);
        }
        swap = !swap;
        const QHash<QString, double> textFloor = runTextFloor(platform);
        if (!real.contains(QStringLiteral("painted")) ||
            !floor.contains(QStringLiteral("painted")) ||
            !textFloor.contains(QStringLiteral("painted"))) {
            state.SkipWithError("a start-up probe failed (see its message above)");
            return;
        }
        const auto ms = [](double ns) { return ns / 1e6; };
        formg.push_back(ms(real["painted"]));
        bare.push_back(ms(floor["painted"]));
        text.push_back(ms(textFloor["painted"]));
        toMain.push_back(ms(real["main"]));
        app.push_back(ms(real["app"] - real["main"]));
        skin.push_back(ms(real["skin"] - real["app"]));
        build.push_back(ms(real["built"] - real["skin"]));
        load.push_back(ms(real["loaded"] - real["built"]));
        show.push_back(ms(real["paint"] - real["loaded"]));
        paint.push_back(ms(real["painted"] - real["paint"]));
        state.SetIterationTime(real["painted"] / 1e9);
    }
    state.counters["formg_ms"] = median(formg);
    state.counters["bare_ms"] = median(bare);
    state.counters["ratio"] = median(bare) > 0 ? median(formg) / median(bare) : 0;
    state.counters["text_ms"] = median(text);
    state.counters["ratio_text"] = median(text) > 0 ? median(formg) / median(text) : 0;
    state.counters["target"] = 1.25;
    state.counters["exec_ms"] = median(toMain);
    state.counters["qapp_ms"] = median(app);
    state.counters["skin_ms"] = median(skin);
    state.counters["build_ms"] = median(build);
    state.counters["load_ms"] = median(load);
    state.counters["show_ms"] = median(show);
    state.counters["paint_ms"] = median(paint);
}

// Peak resident memory (VmHWM) of the real program at its first frame and after
// groups in both drill modes, against the bare window's at its first frame.
void BM_PeakMemory(benchmark::State& state, Platform platform) {
    std::vector<double> atPaint, afterGroups, bare, text;
    for (auto _ : state) {
        const long long start = nowNs();
        QHash<QString, double> real = runFormg(platform, 3);
        const QHash<QString, double> floor = runBare(platform);
        const QHash<QString, double> textFloor = runTextFloor(platform);
        if (!real.contains(QStringLiteral("after_groups")) ||
            !floor.contains(QStringLiteral("hwm_kb")) ||
            !textFloor.contains(QStringLiteral("hwm_kb"))) {
            state.SkipWithError("a start-up probe failed (see its message above)");
            return;
        }
        atPaint.push_back(real["hwm_kb"] / 1024);
        afterGroups.push_back(real["groups_hwm_kb"] / 1024);
        bare.push_back(floor["hwm_kb"] / 1024);
        text.push_back(textFloor["hwm_kb"] / 1024);
        state.SetIterationTime(double(nowNs() - start) / 1e9);
    }
    state.counters["formg_MB"] = median(afterGroups);
    state.counters["formg_1st_frame_MB"] = median(atPaint);
    state.counters["bare_MB"] = median(bare);
    state.counters["ratio"] = median(bare) > 0 ? median(afterGroups) / median(bare) : 0;
    state.counters["text_MB"] = median(text);
    state.counters["ratio_text"] = median(text) > 0 ? median(afterGroups) / median(text) : 0;
    state.counters["target"] = 1.3;
}

// A private Xvfb server for the X11 figures; none when Xvfb is not installed.
class Xvfb {
public:
    Xvfb() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        int fds[2];
        if (pipe(fds) != 0)
            return;
        const std::string fd = std::to_string(fds[1]);
        const std::string path = xvfb.toStdString();
        std::vector<std::string> args = {path, "-displayfd",   fd,          "-screen",
                                         "0",  "2560x1600x24", "-nolisten", "tcp"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        std::string number;
        char c = 0;
        while (pid_ && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (!number.empty())
            display_ = ":" + number;
    }
    ~Xvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

// Start-up (20 fresh processes) and peak memory (3) on one platform.
void registerFor(const std::string& name, const Platform& platform) {
    benchmark::RegisterBenchmark(("BM_Startup/" + name).c_str(), BM_Startup, platform)
        ->Iterations(20)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_PeakMemory/" + name).c_str(), BM_PeakMemory, platform)
        ->Iterations(3)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir folder;
    setup.binDir = QCoreApplication::applicationDirPath();
    setup.folder = folder.path();
    if (!radiane::bench::copyProgramData(QStringLiteral(RADIANE_PROGRAM_DIR), setup.folder)) {
        std::fprintf(stderr, "startup_bench: no shipped data in %s (build radiane_data first)\n",
                     RADIANE_PROGRAM_DIR);
        return 1;
    }

    registerFor("offscreen", {"offscreen", {}, {}});
    registerFor("offscreen@2", {"offscreen", {}, "2"});
    const Xvfb xvfb;
    if (!xvfb.display().empty()) {
        registerFor("xvfb", {"xcb", xvfb.display(), {}});
        registerFor("xvfb@2", {"xcb", xvfb.display(), "2"});
    } else
        std::fprintf(stderr, "startup_bench: Xvfb not installed, X11 figures skipped\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
