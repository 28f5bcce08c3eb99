#pragma once
#include <QString>

// Where the .ui and the planet images live: resources/ beside the executable in the build
// tree, share/brellum once installed.
QString defaultResourceFolder();
