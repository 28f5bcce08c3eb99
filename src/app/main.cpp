#include "app_runner.h"

int main(int argc, char** argv) { return runBrellum(argc, argv); }
