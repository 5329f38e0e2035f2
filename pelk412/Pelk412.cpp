// The page this library shows: the context-menu tip's.
#include "module/exports/PageBinding.h"
#include "module/exports/TipLibrary.h"
#include "tip/TFormPelk412.h"

pelk::PageFactory pelk::ThisLibrarysPage() {
  return PageFactoryFor<TFormPelk412>();
}
