#pragma once

// One function per lumo-cli command; each gets the whole command line and the index of the first
// argument after the command word, and answers the process exit code.
namespace lumo::cli {

int RunScore(int argc, char** argv, int first);
int RunChar(int argc, char** argv, int first);
int RunChart(int argc, char** argv, int first);
int RunReport(int argc, char** argv, int first);
int RunGenerate(int argc, char** argv, int first);

}  // namespace lumo::cli
