#include "format/Widget.h"

#include <QWidget> // Qt in the core
