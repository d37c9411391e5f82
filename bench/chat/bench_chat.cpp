// A flood of datagrams into a chat window over loopback: the whole run's time and the longest
// single turn of the event loop (what a user would feel as a frozen window). The baseline copies
// the whole transcript for every message, the way a plain "new text + old text" would.
//
// Run: QT_QPA_PLATFORM=offscreen ./bench_chat

#include "ChatEndpoint.h"
#include "ChatMessage.h"
#include "Form1.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTime>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

struct Fixture
{
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    RecordingSoundPlayer sound;
    RecordingShell shell;

    std::unique_ptr<Form1> window()
    {
        ChatOptions options;
        options.bindAddress = QHostAddress::LocalHost;
        options.localPort = 0;
        options.settingsPath = folder.filePath(QStringLiteral("settings"));
        auto chat = std::make_unique<Form1>(PlatformServices{&prompter, &sound, &shell}, options);
        chat->show();
        return chat;
    }
};

QByteArray datagram(int i)
{
    return ChatMessage::encode(ChatMessage::compose(QTime(12, 0, 0), QStringLiteral("A8"),
                                                    QStringLiteral("小明"),
                                                    QStringLiteral("第%1条消息，你好").arg(i)));
}

void BM_FloodOverLoopback(benchmark::State &state)
{
    const int total = static_cast<int>(state.range(0));
    // Datagrams in flight at most, so the kernel's receive buffer does not drop them.
    const int window = 64;
    Fixture fixture;
    double longestTurnMs = 0;
    int lost = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto chat = fixture.window();
        ChatEndpoint sender;
        sender.bind(QHostAddress::LocalHost, 0);
        sender.setRemotePort(chat->Winsock1->localPort());
        int received = 0;
        QObject::connect(chat->Winsock1, &ChatEndpoint::received, chat.get(),
                         [&received] { ++received; });
        QCoreApplication::processEvents();
        state.ResumeTiming();

        int sent = 0;
        QElapsedTimer sinceProgress;
        sinceProgress.start();
        int lastReceived = 0;
        while (received + lost < total) {
            while (sent < total && sent - received - lost < window)
                sender.send(QStringLiteral("127.0.0.1"), datagram(sent++));
            QElapsedTimer turn;
            turn.start();
            QCoreApplication::processEvents();
            longestTurnMs = std::max(longestTurnMs, turn.nsecsElapsed() / 1e6);
            if (received != lastReceived) {
                lastReceived = received;
                sinceProgress.restart();
            } else if (sinceProgress.elapsed() > 1000) {
                lost = sent - received; // dropped by the kernel; let the sender go on
                sinceProgress.restart();
            }
        }

        state.PauseTiming();
        benchmark::DoNotOptimize(chat->Text1->document()->characterCount());
        chat->close();
        chat.reset();
        state.ResumeTiming();
    }
    state.counters["longest_turn_ms"] = longestTurnMs;
    state.counters["lost"] = lost;
    state.counters["datagrams"] = benchmark::Counter(static_cast<double>(total) * state.iterations(),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FloodOverLoopback)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The transcript alone, without the network: each message put in front of all the others.
void BM_PrependTranscript(benchmark::State &state)
{
    const int total = static_cast<int>(state.range(0));
    Fixture fixture;
    double longestMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto chat = fixture.window();
        state.ResumeTiming();
        for (int i = 0; i < total; ++i) {
            QElapsedTimer one;
            one.start();
            chat->ReceiveChatMessage(ChatMessage::decode(datagram(i)));
            longestMs = std::max(longestMs, one.nsecsElapsed() / 1e6);
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        chat->close();
        chat.reset();
        state.ResumeTiming();
    }
    state.counters["longest_message_ms"] = longestMs;
}
BENCHMARK(BM_PrependTranscript)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Baseline: the whole text rebuilt for every message.
void BM_CopyWholeTranscriptBaseline(benchmark::State &state)
{
    const int total = static_cast<int>(state.range(0));
    double longestMs = 0;
    for (auto _ : state) {
        QPlainTextEdit box;
        box.show();
        QString text;
        for (int i = 0; i < total; ++i) {
            QElapsedTimer one;
            one.start();
            text = ChatMessage::decode(datagram(i)) + u'\n' + text;
            box.setPlainText(text);
            longestMs = std::max(longestMs, one.nsecsElapsed() / 1e6);
        }
        QCoreApplication::processEvents();
    }
    state.counters["longest_message_ms"] = longestMs;
}
BENCHMARK(BM_CopyWholeTranscriptBaseline)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
