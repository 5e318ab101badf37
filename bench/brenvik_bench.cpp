// Benchmarks of the lists at a million rows, each beside a baseline measured in the same run.
//
//   open_window/1M_rows       the program's start with a 1,000,000-row (about 39 MB) daiban.txt:
//                             the form created (lists loaded) until its window is exposed;
//                             baseline: the same with empty list files.
//   load/ours                 LoadListFile of that file; baseline load/vector_of_strings: the
//                             same lines read into one std::string per row.
//   type_ahead_miss           a key press that matches no row of 1,000,000; baseline: of 1,000.
//   append_delete             add a row and delete the selected one in a 1,000,000-row list;
//                             baseline: in an empty list.
// Peak memory of a whole start, measured in fresh processes, is printed first.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/form1.h"
#include "lists/listfiles.h"
#include "platform/forms/application.h"
#include "platform/forms/messagebox.h"

namespace {

constexpr int kRows = 1000000;

std::string MakeListDirectory(const std::string& name, int rows) {
  const std::string dir = "/tmp/brenvik-bench-" + name;
  QDir(QString::fromStdString(dir)).removeRecursively();
  QDir().mkpath(QString::fromStdString(dir));
  std::ofstream pending(dir + "/daiban.txt", std::ios::binary);
  for (int i = 0; i < rows; ++i) pending << "to-do item number " << 1000000 + i << " of the list\r\n";
  std::ofstream(dir + "/wancheng.txt", std::ios::binary);
  return dir;
}

// Shows the main form as the program does and waits until it is on screen.
void ShowMainForm() {
  Form1->ShowAtStart();
  if (!QTest::qWaitForWindowExposed(Form1)) {
    std::fprintf(stderr, "the window was never exposed\n");
    std::exit(1);
  }
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// In a fresh process: start the window in `dir` and print the peak memory.
int MeasureStart(const char* dir, int argc, char** argv) {
  if (chdir(dir) != 0) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  Application->CreateForm(Form1);
  ShowMainForm();
  std::printf("%ld\n", PeakKilobytes());
  return 0;
}

long PeakOfStart(const std::string& self, const std::string& dir) {
  const std::string command = "'" + self + "' --measure-start '" + dir + "'";
  FILE* out = popen(command.c_str(), "r");
  long kb = -1;
  if (out && std::fscanf(out, "%ld", &kb) != 1) kb = -1;
  if (out) pclose(out);
  return kb;
}

std::string bigDir;
std::string emptyDir;

void OpenWindow(benchmark::State& state, const std::string& dir) {
  QDir::setCurrent(QString::fromStdString(dir));
  for (auto _ : state) {
    Application->CreateForm(Form1);
    ShowMainForm();
    state.PauseTiming();
    delete Form1;
    Form1 = nullptr;
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
void BM_OpenWindow_Baseline_EmptyLists(benchmark::State& s) { OpenWindow(s, emptyDir); }
void BM_OpenWindow_1M_Rows(benchmark::State& s) { OpenWindow(s, bigDir); }

void BM_Load_Ours(benchmark::State& state) {
  const std::string file = bigDir + "/daiban.txt";
  for (auto _ : state) {
    TStrings rows;
    LoadListFile(file, rows);
    benchmark::DoNotOptimize(rows.Count());
  }
}

void BM_Load_Baseline_VectorOfStrings(benchmark::State& state) {
  const std::string file = bigDir + "/daiban.txt";
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      rows.push_back(std::move(line));
    }
    benchmark::DoNotOptimize(rows.size());
  }
}

void TypeAheadMiss(benchmark::State& state, int rows) {
  QDir::setCurrent(QString::fromStdString(emptyDir));
  Application->CreateForm(Form1);
  ShowMainForm();
  TStrings& items = Form1->bsSkinListBox1->Items();
  {
    TStringsUpdate update(items);
    for (int i = 0; i < rows; ++i) items.Add("to-do item number " + std::to_string(i));
  }
  QTest::qWait(0);
  QWidget* area = Form1->bsSkinListBox1->RowArea();
  area->setFocus();
  for (auto _ : state) {
    QTest::keyClick(area, 'z');  // no row starts with "z"
    QTest::qWait(0);
  }
  delete Form1;
  Form1 = nullptr;
}
void BM_TypeAheadMiss_Baseline_1K(benchmark::State& s) { TypeAheadMiss(s, 1000); }
void BM_TypeAheadMiss_1M(benchmark::State& s) { TypeAheadMiss(s, kRows); }

void AppendDelete(benchmark::State& state, const std::string& dir) {
  QDir::setCurrent(QString::fromStdString(dir));
  Application->CreateForm(Form1);
  ShowMainForm();
  TbsSkinListBox* list = Form1->bsSkinListBox1;
  for (auto _ : state) {
    list->Items().Add("a new row");
    list->SetItemIndex(list->Items().Count() - 1);
    list->Items().Delete(list->ItemIndex());
    QCoreApplication::processEvents();
  }
  delete Form1;
  Form1 = nullptr;
}
void BM_AppendDelete_Baseline_Empty(benchmark::State& s) { AppendDelete(s, emptyDir); }
void BM_AppendDelete_1M(benchmark::State& s) { AppendDelete(s, bigDir); }

}  // namespace

BENCHMARK(BM_OpenWindow_Baseline_EmptyLists)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenWindow_1M_Rows)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Load_Baseline_VectorOfStrings)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Load_Ours)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TypeAheadMiss_Baseline_1K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAheadMiss_1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendDelete_Baseline_Empty)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AppendDelete_1M)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--measure-start") return MeasureStart(argv[2], argc, argv);

  bigDir = MakeListDirectory("big", kRows);
  emptyDir = MakeListDirectory("empty", 0);
  const double fileMB = QFileInfo(QString::fromStdString(bigDir + "/daiban.txt")).size() / 1e6;
  const long empty = PeakOfStart(argv[0], emptyDir);
  const long big = PeakOfStart(argv[0], bigDir);
  std::printf("peak memory of a start: empty lists %.1f MB (baseline), %d rows %.1f MB; "
              "above the baseline %.1f MB = %.2f x the file's %.1f MB\n",
              empty / 1e3, kRows, big / 1e3, (big - empty) / 1e3, (big - empty) / 1e3 / fileMB,
              fileMB);

  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  SetMessageBoxHook([](const TMessageBoxRequest&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  QDir(QString::fromStdString(bigDir)).removeRecursively();
  QDir(QString::fromStdString(emptyDir)).removeRecursively();
  return 0;
}
