#include "report/builder/FieldMap.h"

#include <QHash>

#include <array>

#include "instrument/ProjectValues.h"
#include "platform/db/Recordset.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

using platform::db::FieldType;
namespace values = instrument::projectvalues;

constexpr int ChannelDecimals = 2;  // "#0.#0"

// Where an item lives: one field for every model, or one per density gauge;
// an empty field name means the model does not have the item.
struct FieldOfItem {
  std::array<QString, 4> byModel;  // indexed by model code
  bool channel = false;
};

FieldOfItem anyModel(const QString& field, bool channel = false) { return {{field, field, field, field}, channel}; }
FieldOfItem densityOnly(const QString& a, const QString& bx) { return {{QString(), a, bx, QString()}}; }

const QHash<QString, FieldOfItem>& fieldMap() {
  static const QHash<QString, FieldOfItem> map{
      {"Time", {{"TIME", QString(), "TIME", QString()}}},
      {"Stat", anyModel("STAT")},
      {"Stat1 To", anyModel("STAT1TO")},
      {"Stat1", anyModel("STAT1")},
      {"Stat2", anyModel("STAT2")},
      {"Offset", anyModel("OFFSET")},
      {"Lane", anyModel("LANE")},
      {"Depth", anyModel("DPT")},
      {"S/A", anyModel("SA")},
      {"D Adj", anyModel("ADJ")},
      {"% Adj", anyModel("PADJ")},
      {"RDate", anyModel("RDATE")},
      {"D Cnt", densityOnly("DCNT", "DC")},
      {"M Cnt", densityOnly("MCNT", "MC")},
      {"% AV", densityOnly("PAV", "AV")},
      {"WD", densityOnly("WETD", "WD")},
      {"DD", densityOnly("DRYD", "DD")},
      {"%Comp", densityOnly("PCOMP", "PERC_COMP")},
      {"M Cont", {{QString(), QString(), "M", QString()}}},
      {"%MCont", anyModel("PERCM")},
      {"VR", anyModel("VR")},
      {"Wat", anyModel("WAT")},
      {"%Wat", anyModel("PWAT")},
      {"Dens", anyModel("DENS")},
      {"%AC", anyModel("PAC")},
      {"CH1", anyModel("CH1", true)},
      {"CH2", anyModel("CH2", true)},
      {"CH3", anyModel("CH3", true)},
      {"CH4", anyModel("CH4", true)},
      {"Frequency", anyModel("FREQUENCY")},
      {"Noise Overload Flag", anyModel("NOISE_OL_FLAG")},
      {"Signal Overload Flag", anyModel("SIGNL_OL_FLAG")},
      {"R_D_ND", anyModel("REAL_DISPL_ND")},
      {"R_F_ND", anyModel("REAL_FORCE_ND")},
      {"I_D_ND", anyModel("IMAG_DISPL_ND")},
      {"I_F_ND", anyModel("IMAG_FORCE_ND")},
      {"R_D_SD", anyModel("REAL_DISPL_SD")},
      {"R_F_SD", anyModel("REAL_FORCE_SD")},
      {"I_D_SD", anyModel("IMAG_DISPL_SD")},
      {"I_F_SD", anyModel("IMAG_FORCE_SD")},
  };
  return map;
}

bool modelHasItem(const QString& item, int Model) {
  if (Model < ModelCode::LX9100 || Model > ModelCode::T7310) return false;
  const auto found = fieldMap().constFind(item);
  return found != fieldMap().constEnd() && !found->byModel[static_cast<size_t>(Model)].isEmpty();
}

// The stiffness items by their column headers.
const QHash<QString, QString>& stiffnessItemsByHeader() {
  static const QHash<QString, QString> items{
      {"Freq.", "Frequency"},         {"NO Flag", "Noise Overload Flag"}, {"SO Flag", "Signal Overload Flag"},
      {"Real\rDispl.", "R_D_ND"},     {"Real\rForce", "R_F_ND"},           {"Imag.\rDispl.", "I_D_ND"},
      {"Imag.\rForce", "I_F_ND"},
  };
  return items;
}

}  // namespace

QString fieldText(const platform::db::Recordset& records, const QString& field) {
  const int index = records.fieldIndex(field);
  if (index < 0) return QString();
  const QVariant value = records.value(index);
  if (value.isNull()) return QString();
  switch (records.fields().at(index).type) {
    case FieldType::Long: return values::longText(value);
    case FieldType::Single: return values::singleText(value);
    case FieldType::Double: return values::doubleText(value);
    case FieldType::Text: break;
  }
  return values::textText(value);
}

QString Get_Field_Value(const platform::db::Recordset& Records, const QString& Item_Name, int Model) {
  if (Model < ModelCode::LX9100 || Model > ModelCode::T7310) return QString();
  const auto found = fieldMap().constFind(Item_Name);
  if (found == fieldMap().constEnd()) return QString();
  const QString& field = found->byModel[static_cast<size_t>(Model)];
  if (field.isEmpty()) return QString();
  if (!found->channel) return fieldText(Records, field);
  const QVariant value = Records.value(field);
  return value.isNull() ? QString() : values::fixedText(value.toDouble(), ChannelDecimals);
}

QString headerAbbreviation(const QString& item) {
  static const QHash<QString, QString> abbreviations{
      {"Read Date", "RDate"}, {"Soil/Asph", "S/A"},  {"%Adjusted", "% Adj"},
      {"%Air void", "% AV"},  {"Wet Dens", "WD"},    {"Dry Dens", "DD"},
      {"%M Cont", "%MCont"},  {"Void Ratio", "VR"},  {"Noise Overload Flag", "NO Flag"},
      {"Signal Overload Flag", "SO Flag"},           {"Frequency", "Freq."},
  };
  return abbreviations.value(item, item);
}

std::optional<QString> itemOfHeader(const QString& header, int Model) {
  const QString item = Model == ModelCode::T7310 ? stiffnessItemsByHeader().value(header, header) : header;
  if (!modelHasItem(item, Model)) return std::nullopt;
  return item;
}

std::optional<QString> stiffySubColumnHeader(const QString& item) {
  static const QHash<QString, QString> headers{{"R_D", "Real\rDispl."},
                                               {"R_F", "Real\rForce"},
                                               {"I_D", "Imag.\rDispl."},
                                               {"I_F", "Imag.\rForce"}};
  const auto found = headers.constFind(item.left(3));
  if (found == headers.constEnd()) return std::nullopt;
  return *found;
}

}  // namespace report
