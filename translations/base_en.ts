<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ExceptionMessage</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
</TS>
