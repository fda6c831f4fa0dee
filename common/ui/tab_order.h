#pragma once

#include <initializer_list>

class QWidget;

// Tab visits the controls in the order given, the order they are read in,
// whatever order they were made in.
void SetTabOrder(std::initializer_list<QWidget*> controls);
// Tab reaches the controls inside `later` right after those inside
// `earlier`, for a part made after the parts it is read before.
void PlaceInTabOrderAfter(QWidget* earlier, QWidget* later);
