<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>main</name>
    <message>
        <source>meterly: unknown option %1
</source>
        <translation>meterly：未知选项 %1
</translation>
    </message>
</context>
</TS>
