#include "views/sky/Sideways.h"

#include "views/survey/SurveyView.h" // another window kind
