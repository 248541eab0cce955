#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class AppEnvironment;
class CFoodDBDoc;
class CliArguments;

// What a command works with: the environment, the document (its profile open when the command
// needs one), the options and the words after the command's name.
struct CliContext
{
    AppEnvironment& env;
    CFoodDBDoc& doc;
    const CliArguments& args;
    QStringList words;
};

namespace CliCommands {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

QTextStream& Out();
// Tells a failure on standard error; the exit status is returned.
int Fail(const QString& message, int code = kFailure);
// Tells a wrong command line with the usage.
int Usage(const QString& message);

int ProfileNew(CliContext& c);
int ProfileList(CliContext& c);
int ProfileOpen(CliContext& c);
int ProfileShow(CliContext& c);
int MealAdd(CliContext& c);
int ExerciseAdd(CliContext& c);
int EntryList(CliContext& c);
int EntryDelete(CliContext& c);
int EntryCopy(CliContext& c);
int WeightSet(CliContext& c);
int WeightTrendShow(CliContext& c);
int DayShow(CliContext& c);
int Report(CliContext& c);
int ExportReport(CliContext& c);
int ReportPdf(CliContext& c);
int FoodSearch(CliContext& c);
int FoodShow(CliContext& c);
int ActivityList(CliContext& c);
int Import(CliContext& c);
int Backup(CliContext& c);
int Restore(CliContext& c);
int RestoreNutrients(CliContext& c);
int Check(CliContext& c);

} // namespace CliCommands
