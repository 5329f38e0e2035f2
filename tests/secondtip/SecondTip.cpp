// The page this library shows.
#include "module/exports/PageBinding.h"
#include "module/exports/TipLibrary.h"
#include "tests/secondtip/TFormSecondTip.h"

pelk::PageFactory pelk::ThisLibrarysPage() {
  return PageFactoryFor<TFormSecondTip>();
}
