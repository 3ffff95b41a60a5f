#include "views/skyplot/Sideways.h"

#include "views/survey/SurveyView.h" // another window kind
