#pragma once

#include <QIcon>

// The pictures the programs draw themselves, so that no desktop theme can
// swap them for something that reads as an error sign.
QIcon HelpIcon();
QIcon InfoIcon();
QIcon KoravIcon();
QIcon PelinIcon();
