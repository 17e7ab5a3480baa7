<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Вексол: оптическая скамья, на которой видно, как линза строит изображение точки.</source>
        <translation>Quellor: an optical bench that shows how a lens forms the image of a point.</translation>
    </message>
    <message>
        <source>Список параметров: %1 --help</source>
        <translation>List of options: %1 --help</translation>
    </message>
    <message>
        <source>лишний аргумент: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>нужен графический сеанс: не найден дисплей (DISPLAY или WAYLAND_DISPLAY)</source>
        <translation>needs a graphical session: no display found (DISPLAY or WAYLAND_DISPLAY)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quellor</source>
        <translation>Quellor</translation>
    </message>
    <message>
        <source>Главная оптическая ось линзы</source>
        <translation>Principal optical axis of the lens</translation>
    </message>
    <message>
        <source>В е к с о л</source>
        <translation>Q u e l l o r</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>2 F</source>
        <translation>2 F</translation>
    </message>
    <message>
        <source>Радиус кривизны поверхностей линзы:</source>
        <translation>Radii of curvature of the lens surfaces:</translation>
    </message>
    <message>
        <source>левая</source>
        <translation>left</translation>
    </message>
    <message>
        <source>правая</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Показатель преломления среды:</source>
        <translation>Refractive index of the medium:</translation>
    </message>
    <message>
        <source>Изменить показатель преломления среды слева</source>
        <translation>Change the refractive index of the medium on the left</translation>
    </message>
    <message>
        <source>Изменить показатель преломления среды справа</source>
        <translation>Change the refractive index of the medium on the right</translation>
    </message>
    <message>
        <source>Показатель преломления линзы:</source>
        <translation>Refractive index of the lens:</translation>
    </message>
    <message>
        <source>Тип линзы:</source>
        <translation>Lens type:</translation>
    </message>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Собирающая линза</source>
        <translation>Converging lens</translation>
    </message>
    <message>
        <source>Рассеивающая линза</source>
        <translation>Diverging lens</translation>
    </message>
    <message>
        <source>Радиус кривизны левой поверхности</source>
        <translation>Radius of curvature of the left surface</translation>
    </message>
    <message>
        <source>Радиус кривизны правой поверхности</source>
        <translation>Radius of curvature of the right surface</translation>
    </message>
    <message>
        <source>Показатель преломления линзы</source>
        <translation>Refractive index of the lens</translation>
    </message>
    <message>
        <source>Среда слева, предмет</source>
        <translation>Medium on the left, object</translation>
    </message>
    <message>
        <source>Среда справа, изображение</source>
        <translation>Medium on the right, image</translation>
    </message>
    <message>
        <source>Плоскость линзы</source>
        <translation>Lens plane</translation>
    </message>
    <message>
        <source>Эмблема</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>Левая поверхность линзы</source>
        <translation>Left surface of the lens</translation>
    </message>
    <message>
        <source>Правая поверхность линзы</source>
        <translation>Right surface of the lens</translation>
    </message>
    <message>
        <source>Условное обозначение линзы</source>
        <translation>Lens symbol</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «V», левая половина</source>
        <translation>Lens symbol arrowhead “V”, left half</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «V», правая половина</source>
        <translation>Lens symbol arrowhead “V”, right half</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «Λ», левая половина</source>
        <translation>Lens symbol arrowhead “Λ”, left half</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «Λ», правая половина</source>
        <translation>Lens symbol arrowhead “Λ”, right half</translation>
    </message>
    <message>
        <source>Передний фокус F</source>
        <translation>Front focal point F</translation>
    </message>
    <message>
        <source>Точка 2F слева</source>
        <translation>Point 2F on the left</translation>
    </message>
    <message>
        <source>Задний фокус F</source>
        <translation>Back focal point F</translation>
    </message>
    <message>
        <source>Точка 2F справа</source>
        <translation>Point 2F on the right</translation>
    </message>
    <message>
        <source>Поверхность линзы R1</source>
        <translation>Lens surface R1</translation>
    </message>
    <message>
        <source>Поверхность линзы R2</source>
        <translation>Lens surface R2</translation>
    </message>
    <message>
        <source>Штрих стрелки обозначения линзы</source>
        <translation>Stroke of a lens symbol arrowhead</translation>
    </message>
</context>
</TS>
