#include "feed/graph_settings_record.h"

#include <QtEndian>

namespace meterly {

namespace {

void PutLong(GraphSettingsBytes& record, int offset, quint32 value) { qToLittleEndian(value, &record[offset]); }

void PutByte(GraphSettingsBytes& record, int offset, quint8 value) { record[offset] = value; }

}  // namespace

GraphSettingsBytes GraphSettingsRecord(const Settings& settings) {
  GraphSettingsBytes record{};
  PutLong(record, METERLY_SETTINGS_COLOR_BACK, settings.ColorBack);
  PutLong(record, METERLY_SETTINGS_COLOR_IN, settings.ColorDataIn);
  PutLong(record, METERLY_SETTINGS_COLOR_OUT, settings.ColorDataOut);
  PutLong(record, METERLY_SETTINGS_COLOR_BOTH, settings.ColorDataBoth);
  PutLong(record, METERLY_SETTINGS_COLOR_FRAME, settings.ColorDataFrame);
  PutLong(record, METERLY_SETTINGS_COLOR_TEXT, settings.ColorDataText);
  PutLong(record, METERLY_SETTINGS_COLOR_TEXT_AGAIN, settings.ColorDataText);
  PutLong(record, METERLY_SETTINGS_GRADIENT_COLOR, settings.GradientColor);
  PutByte(record, METERLY_SETTINGS_UNIT, settings.Unit);
  PutByte(record, METERLY_SETTINGS_ENABLE_GRADIENT, settings.EnableGradient);
  PutByte(record, METERLY_SETTINGS_ENABLE_SMOOTH, settings.EnableSmooth);
  PutByte(record, METERLY_SETTINGS_LEFT_TO_RIGHT, settings.LeftToRight);
  PutByte(record, METERLY_SETTINGS_FIXED_SCALE, settings.FixedScale);
  PutLong(record, METERLY_SETTINGS_FIXED_SCALE_VALUE, static_cast<quint32>(settings.FixedScaleValue));
  PutByte(record, METERLY_SETTINGS_LINE_TYPE, settings.LineType);
  PutLong(record, METERLY_SETTINGS_LINE_STEP, static_cast<quint32>(settings.LineStep));
  return record;
}

}  // namespace meterly
