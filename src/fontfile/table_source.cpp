#include "fontfile/table_source.h"

#include "fontfile/c_array_reader.h"

namespace zg {

SourceKind SourceKindOfPath(std::string_view path) {
  return IsCSourcePath(path) ? SourceKind::CSource : SourceKind::FontSource;
}

TableValues ReadTableValues(ByteSource& in, SourceKind kind, std::string_view arrayName) {
  TableValues t;
  // One value more than the cap tells a table that is too large.
  t.values.resize(kMaxTableValues);
  t.result = kind == SourceKind::CSource ? ReadCArrayValues(in, false, t.values, arrayName)
                                         : ReadFontSourceValues(in, false, t.values);
  if (t.result.status == ReadStatus::StoreFull) t.result.status = ReadStatus::TooManyValues;
  t.values.resize(t.result.valuesStored);
  return t;
}

CArrayList ListCArrays(ByteSource& in) {
  CArrayList list;
  list.result = ListCArrayInitialisers(in, list.arrays);
  return list;
}

}  // namespace zg
