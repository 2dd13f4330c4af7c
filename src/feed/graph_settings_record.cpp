#include "feed/graph_settings_record.h"

#include <QtEndian>

namespace meterly {

namespace {

void putLong(GraphSettingsBytes& record, int offset, quint32 value) { qToLittleEndian(value, &record[offset]); }

void putByte(GraphSettingsBytes& record, int offset, quint8 value) { record[offset] = value; }

}  // namespace

GraphSettingsBytes GraphSettingsRecord(const Settings& settings) {
  GraphSettingsBytes record{};
  putLong(record, METERLY_SETTINGS_COLOR_BACK, settings.ColorBack);
  putLong(record, METERLY_SETTINGS_COLOR_IN, settings.ColorDataIn);
  putLong(record, METERLY_SETTINGS_COLOR_OUT, settings.ColorDataOut);
  putLong(record, METERLY_SETTINGS_COLOR_BOTH, settings.ColorDataBoth);
  putLong(record, METERLY_SETTINGS_COLOR_FRAME, settings.ColorDataFrame);
  putLong(record, METERLY_SETTINGS_COLOR_TEXT, settings.ColorDataText);
  putLong(record, METERLY_SETTINGS_COLOR_TEXT_AGAIN, settings.ColorDataText);
  putLong(record, METERLY_SETTINGS_GRADIENT_COLOR, settings.GradientColor);
  putByte(record, METERLY_SETTINGS_UNIT, settings.Unit);
  putByte(record, METERLY_SETTINGS_ENABLE_GRADIENT, settings.EnableGradient);
  putByte(record, METERLY_SETTINGS_ENABLE_SMOOTH, settings.EnableSmooth);
  putByte(record, METERLY_SETTINGS_LEFT_TO_RIGHT, settings.LeftToRight);
  putByte(record, METERLY_SETTINGS_FIXED_SCALE, settings.FixedScale);
  putLong(record, METERLY_SETTINGS_FIXED_SCALE_VALUE, static_cast<quint32>(settings.FixedScaleValue));
  putByte(record, METERLY_SETTINGS_LINE_TYPE, settings.LineType);
  putLong(record, METERLY_SETTINGS_LINE_STEP, static_cast<quint32>(settings.LineStep));
  return record;
}

}  // namespace meterly
