#pragma once

#include "KadrelCli.h"

// A chart writer that starts the toolkit (without a display) on first use.
GrafikExporter QtGrafikExporter();
