#include "platform/locale.h"

#include <langinfo.h>
#include <locale.h>

#include "platform/soft/soft_state.h"

namespace pg::platform {

namespace {

struct Separators {
  char decimal = '.';
  char group = ',';
};

// The numbers of the locale the process was started in (LC_ALL, LC_NUMERIC,
// LANG), read without changing the process's own locale. A locale that names
// no group separator (the C locale) groups with the comma, as Windows does.
Separators EnvironmentSeparators() {
  Separators s;
  const locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (!numeric) return s;
  s.decimal = SeparatorFromLocaleText(::nl_langinfo_l(RADIXCHAR, numeric), '.');
  s.group = SeparatorFromLocaleText(::nl_langinfo_l(THOUSEP, numeric), ',');
  ::freelocale(numeric);
  return s;
}

const Separators& Environment() {
  static const Separators separators = EnvironmentSeparators();
  return separators;
}

}  // namespace

char DecimalSeparator() { return soft::State().decimalSeparator.value_or(Environment().decimal); }

char ThousandSeparator() {
  return DistinctGroupSeparator(DecimalSeparator(), soft::State().thousandSeparator.value_or(Environment().group));
}

}  // namespace pg::platform
