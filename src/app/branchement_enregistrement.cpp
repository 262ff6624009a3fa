#include "app/main_window.h"

void TMainForm::BrancherEnregistrement()
{
}
