<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>About</name>
    <message>
        <source>Cuestaval %1
Problemas y simulaciones de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa tirado por otro que cuelga de una polea, y la máquina de Atwood.
Licencia: GPL-3.0-or-later (GNU General Public License, versión 3 o posterior). Es software libre y se distribuye sin ninguna garantía.</source>
        <translation>Cuestaval %1
Problemas e simulacións da segunda lei de Newton: o plano inclinado con rozamento, o bloque sobre unha mesa arrastrado por outro que colga dunha polea, e a máquina de Atwood.
Licenza: GPL-3.0-or-later (GNU General Public License, versión 3 ou posterior). É software libre e distribúese sen ningunha garantía.</translation>
    </message>
</context>
<context>
    <name>ArrowScale</name>
    <message>
        <source>Escala</source>
        <extracomment>Drawn on the simulation&apos;s picture, above a bar that shows how long an arrow of so many newtons is</extracomment>
        <translation>Escala</translation>
    </message>
</context>
<context>
    <name>AtwoodCases</name>
    <message>
        <source>La masa m1 debe ser mayor que cero</source>
        <translation>A masa m1 debe ser maior que cero</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>A masa m2 debe ser maior que cero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>A tensión debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>La aceleración de la gravedad debe ser mayor que la aceleración</source>
        <translation>A aceleración da gravidade debe ser maior que a aceleración</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>Unha corda só pode tirar: a súa tensión non pode ser negativa.</translation>
    </message>
    <message>
        <source>El bloque que baja no puede caer más deprisa que en caída libre: la aceleración tiene que ser menor que g.</source>
        <translation>O bloque que baixa non pode caer máis rápido que en caída libre: a aceleración ten que ser menor que g.</translation>
    </message>
    <message>
        <source>Bloque 1 (baja):   m₁·g − T = m₁·a</source>
        <translation>Bloque 1 (baixa):   m₁·g − T = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 2 (sube):   T − m₂·g = m₂·a</source>
        <translation>Bloque 2 (sobe):   T − m₂·g = m₂·a</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece; despejando T de cada una:</source>
        <translation>Sumando as dúas ecuacións, a tensión desaparece; despexando T de cada unha:</translation>
    </message>
    <message>
        <source>Cada bloque tiene que tener masa: una masa cero o negativa no describe un bloque colgado de la cuerda.</source>
        <translation>Cada bloque ten que ter masa: unha masa cero ou negativa non describe un bloque colgado da corda.</translation>
    </message>
    <message>
        <source>Escribe una masa %1 mayor que cero.</source>
        <translation>Escribe unha masa %1 maior que cero.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Despexe</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>A aceleración debe ser maior que cero</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a = 0 las masas serían iguales y con a &lt; 0 m₁ subiría.</source>
        <translation>m₁ é o bloque que baixa: con a = 0 as masas serían iguais e con a &lt; 0 m₁ subiría.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Escribe unha aceleración maior que cero.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Escribe unha aceleración menor que 9,81 m/s².</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 1, y m₂ de T = m₂·(g + a):</source>
        <translation>T sae da ecuación do bloque 1, e m₂ de T = m₂·(g + a):</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Escribe unha tensión maior ou igual a cero.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁.</source>
        <translation>Escribe unha tensión menor que %1, ou aumenta m₁.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 1; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₂:</source>
        <translation>a sae da ecuación do bloque 1; eliminando a entre as dúas ecuacións queda T·(m₁ + m₂) = 2·m₁·m₂·g, de onde se despexa m₂:</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>A masa m2 debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>Unha masa non pode ser negativa.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Escribe unha masa m₂ maior ou igual a cero.</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>A aceleración debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>m₂ es el bloque que sube: con a &lt; 0 bajaría.</source>
        <translation>m₂ é o bloque que sobe: con a &lt; 0 baixaría.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Escribe unha aceleración maior ou igual a cero.</translation>
    </message>
    <message>
        <source>La aceleración debe ser menor o igual que la aceleración de la gravedad</source>
        <translation>A aceleración debe ser menor ou igual que a aceleración da gravidade</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, y m₁ de T = m₁·(g − a):</source>
        <translation>T sae da ecuación do bloque 2, e m₁ de T = m₁·(g − a):</translation>
    </message>
    <message>
        <source>La cuerda no podría con el peso de m₂, que es el bloque que sube.</source>
        <translation>A corda non podería co peso de m₂, que é o bloque que sobe.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce m₂.</source>
        <translation>Escribe unha tensión de polo menos %1, ou reduce m₂.</translation>
    </message>
    <message>
        <source>La tensión se acerca a 2·m₂·g cuando m₁ es muy pesado, pero nunca llega: haría falta un bloque m₁ infinito.</source>
        <translation>A tensión achégase a 2·m₂·g cando m₁ é moi pesado, pero nunca chega: faría falta un bloque m₁ infinito.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Escribe unha tensión menor que %1.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 2; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₁:</source>
        <translation>a sae da ecuación do bloque 2; eliminando a entre as dúas ecuacións queda T·(m₁ + m₂) = 2·m₁·m₂·g, de onde se despexa m₁:</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a &lt; 0 subiría.</source>
        <translation>m₁ é o bloque que baixa: con a &lt; 0 subiría.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de T = m₁·(g − a) y m₂ de T = m₂·(g + a).</source>
        <translation>Cada bloque por separado: m₁ sae de T = m₁·(g − a) e m₂ de T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Masa 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Masa 2</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>aceleración de los bloques</source>
        <translation>aceleración dos bloques</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>tensión da corda</translation>
    </message>
    <message>
        <source>Aquí m₂ &gt; m₁: baja el bloque 2 y sube el bloque 1.</source>
        <translation>Aquí m₂ &gt; m₁: baixa o bloque 2 e sobe o bloque 1.</translation>
    </message>
    <message>
        <source>Aquí m₁ &gt; m₂: baja el bloque 1 y sube el bloque 2.</source>
        <translation>Aquí m₁ &gt; m₂: baixa o bloque 1 e sobe o bloque 2.</translation>
    </message>
    <message>
        <source>Aquí m₁ = m₂: las ecuaciones se escriben con el bloque 1 hacia abajo y darán a = 0, los bloques en reposo o a velocidad constante.</source>
        <translation>Aquí m₁ = m₂: as ecuacións escríbense co bloque 1 cara abaixo e darán a = 0, os bloques en repouso ou a velocidade constante.</translation>
    </message>
    <message>
        <source>La ventana toma el bloque 1 como el que baja y el bloque 2 como el que sube.</source>
        <translation>A xanela toma o bloque 1 como o que baixa e o bloque 2 como o que sobe.</translation>
    </message>
    <message>
        <source>La cuerda tira de los dos hacia arriba con la misma tensión T y, como no se estira, los dos tienen la misma aceleración a.</source>
        <translation>A corda tira dos dous cara arriba coa mesma tensión T e, como non se estira, os dous teñen a mesma aceleración a.</translation>
    </message>
    <message>
        <source>Bloque 2 (baja):   m₂·g − T = m₂·a</source>
        <translation>Bloque 2 (baixa):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Bloque 1 (sube):   T − m₁·g = m₁·a</source>
        <translation>Bloque 1 (sobe):   T − m₁·g = m₁·a</translation>
    </message>
    <message>
        <source>De la suma de las ecuaciones se despeja a:</source>
        <translation>Da suma das ecuacións despéxase a:</translation>
    </message>
    <message>
        <source>Con las masas cambiadas la aceleración vale lo mismo: en los dos casos a = |m₁ − m₂|·g/(m₁ + m₂).</source>
        <translation>Coas masas cambiadas a aceleración vale o mesmo: nos dous casos a = |m₁ − m₂|·g/(m₁ + m₂).</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque que baja, T = %1·(g − a); sustituyendo a queda:</source>
        <translation>T sae da ecuación do bloque que baixa, T = %1·(g − a); substituíndo a queda:</translation>
    </message>
    <message>
        <source>Con T = m₁·g los datos encajan con dos masas iguales: m₂ = m₁ y a = 0.</source>
        <translation>Con T = m₁·g os datos encaixan con dúas masas iguais: m₂ = m₁ e a = 0.</translation>
    </message>
    <message>
        <source>Si el bloque 1 fuera el que sube, estos datos sí encajan: a = (T − m₁·g)/m₁ = %1 y m₂ = m₁·T/(2·m₁·g − T) = %2.</source>
        <translation>Se o bloque 1 fose o que sobe, estes datos si encaixan: a = (T − m₁·g)/m₁ = %1 e m₂ = m₁·T/(2·m₁·g − T) = %2.</translation>
    </message>
    <message>
        <source>Una tensión igual o mayor que el peso de m₁ lo sostendría o lo subiría, y la ventana toma el bloque 1 como el que baja.</source>
        <translation>Unha tensión igual ou maior que o peso de m₁ sosteríao ou subiríao, e a xanela toma o bloque 1 como o que baixa.</translation>
    </message>
    <message>
        <source>a = g cumple lo que pide el mensaje, pero la ventana exige a &lt; g</source>
        <translation>a = g cumpre o que pide a mensaxe, pero a xanela esixe a &lt; g</translation>
    </message>
    <message>
        <source>masa del bloque 1</source>
        <translation>masa do bloque 1</translation>
    </message>
    <message>
        <source>masa del bloque 2</source>
        <translation>masa do bloque 2</translation>
    </message>
</context>
<context>
    <name>AtwoodFrame</name>
    <message>
        <source>Máquina de</source>
        <extracomment>Drawn on the picture: first line of the title &quot;Máquina de Atwood&quot;; the next text is its second line</extracomment>
        <translation>Máquina de</translation>
    </message>
    <message>
        <source>Atwood</source>
        <extracomment>Drawn on the picture: second line of the title &quot;Máquina de Atwood&quot;</extracomment>
        <translation>Atwood</translation>
    </message>
</context>
<context>
    <name>ClassSets</name>
    <message>
        <source>Cualquier problema</source>
        <translation>Calquera problema</translation>
    </message>
    <message>
        <source>Cualquier pregunta</source>
        <translation>Calquera pregunta</translation>
    </message>
    <message>
        <source>%1 = %2 (± %3)</source>
        <extracomment>An answer of the key and how far a student&apos;s may stray: &quot;a = 3,2086 m/s² (± 0,0321)&quot;.</extracomment>
        <translation>%1 = %2 (± %3)</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;1, 2 y 3&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>La pregunta, numerada como en los códigos de los ejercicios (la parte del medio); sin ella, cualquiera.</source>
        <translation>A pregunta, numerada como nos códigos dos exercicios (a parte do medio); sen ela, calquera.</translation>
    </message>
    <message>
        <source>El número del primer código, de 0 a 9999; los demás le siguen. Sin él, uno al azar.</source>
        <translation>O número do primeiro código, de 0 a 9999; os demais van detrás del. Sen el, un ao chou.</translation>
    </message>
    <message>
        <source>Escribe la hoja de los alumnos (PDF).</source>
        <translation>Escribe a folla dos alumnos (PDF).</translation>
    </message>
    <message>
        <source>Escribe la clave de respuestas con las resoluciones (PDF).</source>
        <translation>Escribe o solucionario coas resolucións (PDF).</translation>
    </message>
    <message>
        <source>Escribe el banco de preguntas de Moodle (XML).</source>
        <translation>Escribe o banco de preguntas de Moodle (XML).</translation>
    </message>
    <message>
        <source>--%1 solo sirve con --exercises.</source>
        <translation>--%1 só serve con --exercises.</translation>
    </message>
    <message>
        <source>--exercises es el número de variantes, de 1 a %1, no «%2».</source>
        <translation>--exercises é o número de variantes, de 1 a %1, non «%2».</translation>
    </message>
    <message>
        <source>--problem es inclined, table, atwood o any, no «%1».</source>
        <translation>--problem é inclined, table, atwood ou any, non «%1».</translation>
    </message>
    <message>
        <source>--case necesita un problema: --problem inclined, table o atwood.</source>
        <translation>--case precisa un problema: --problem inclined, table ou atwood.</translation>
    </message>
    <message>
        <source>--problem %1 no tiene la pregunta «%2»; sus preguntas son %3.</source>
        <translation>--problem %1 non ten a pregunta «%2»; as súas preguntas son %3.</translation>
    </message>
    <message>
        <source>--seed es el número del primer código, de 0 a %1, no «%2».</source>
        <translation>--seed é o número do primeiro código, de 0 a %1, non «%2».</translation>
    </message>
    <message>
        <source>con --seed %1, %2 variantes llegarían al número %3, pero el último es %4: --seed puede ser como mucho %5.</source>
        <translation>con --seed %1, %2 variantes chegarían ao número %3, pero o último é %4: --seed pode ser como moito %5.</translation>
    </message>
    <message>
        <source>--%1 necesita el nombre de un archivo.</source>
        <translation>--%1 precisa o nome dun ficheiro.</translation>
    </message>
    <message>
        <source>--%1 y --%2 son el mismo archivo, «%3».</source>
        <translation>--%1 e --%2 son o mesmo ficheiro, «%3».</translation>
    </message>
    <message>
        <source>--exercises necesita al menos un archivo que escribir: --sheet, --key o --moodle.</source>
        <translation>--exercises precisa polo menos un ficheiro que escribir: --sheet, --key ou --moodle.</translation>
    </message>
    <message>
        <source>Código %1</source>
        <extracomment>The code on a student&apos;s sheet and on the key.</extracomment>
        <translation>Código %1</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <extracomment>Before the line where the student writes their name.</extracomment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Puedes practicar este ejercicio en Cuestaval: en «Ejercicios», escribe el código %1 y pulsa «Ir».</source>
        <extracomment>At the foot of each exercise on a student&apos;s sheet; &quot;Ejercicios&quot; is the menu button.</extracomment>
        <translation>Podes practicar este exercicio en Cuestaval: en «Exercicios», escribe o código %1 e preme «Ir».</translation>
    </message>
    <message>
        <source>Respuestas (se aceptan dentro del margen indicado):</source>
        <extracomment>The key&apos;s answers, before the worked solution; each is the exact value and its margin.</extracomment>
        <translation>Respostas (acéptanse dentro da marxe indicada):</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The codes of a class set, first and last: &quot;1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1, código %2</source>
        <extracomment>A file written, with the one code it holds: &quot;Hoja para los alumnos, código 1-3-100&quot;.</extracomment>
        <translation>%1, código %2</translation>
    </message>
    <message>
        <source>%1, códigos %2 a %3</source>
        <extracomment>A file written, with the codes it holds: &quot;Hoja para los alumnos, códigos 1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1, códigos %2 a %3</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Folla de exercicios</translation>
    </message>
    <message>
        <source>Clave de respuestas</source>
        <translation>Solucionario</translation>
    </message>
    <message>
        <source>Hoja para los alumnos</source>
        <translation>Folla para os alumnos</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle</source>
        <translation>Banco de preguntas de Moodle</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» (la carpeta no existe o no se puede escribir en ella), así que no se ha guardado ningún archivo de la hoja.</source>
        <translation>Non se puido gardar «%1» (o cartafol non existe ou non se pode escribir nel), así que non se gardou ningún ficheiro da folla.</translation>
    </message>
    <message>
        <source>hoja</source>
        <extracomment>Names of the files of a class set, before their codes: &quot;hoja 1-3-100 a 1-3-129.pdf&quot;.</extracomment>
        <translation>folla</translation>
    </message>
    <message>
        <source>clave</source>
        <translation>solucionario</translation>
    </message>
    <message>
        <source>moodle</source>
        <translation>moodle</translation>
    </message>
    <message>
        <source>Prepara N ejercicios distintos, de 1 a %1, uno por alumno, sin abrir ninguna ventana, y escribe los archivos que piden --sheet, --key y --moodle.</source>
        <translation>Prepara N exercicios distintos, de 1 a %1, un por alumno, sen abrir ningunha xanela, e escribe os ficheiros que piden --sheet, --key e --moodle.</translation>
    </message>
    <message>
        <source>El problema: inclined (plano inclinado), table (plano horizontal), atwood (máquina de Atwood) o any (uno cualquiera en cada ejercicio).</source>
        <translation>O problema: inclined (plano inclinado), table (plano horizontal), atwood (máquina de Atwood) ou any (un calquera en cada exercicio).</translation>
    </message>
    <message>
        <source>ARCHIVO.pdf</source>
        <extracomment>The value name of --sheet and --key in the command line&apos;s help.</extracomment>
        <translation>FICHEIRO.pdf</translation>
    </message>
    <message>
        <source>ARCHIVO.xml</source>
        <extracomment>The value name of --moodle in the command line&apos;s help.</extracomment>
        <translation>FICHEIRO.xml</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood.</source>
        <translation>Resolve e simula tres problemas clásicos da segunda lei de Newton: o plano inclinado con rozamento, o bloque sobre unha mesa arrastrado a través dunha polea e a máquina de Atwood.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Mostra esta axuda.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Mostra a versión e a licenza.</translation>
    </message>
    <message>
        <source>no admite argumentos: %1</source>
        <translation>non admite argumentos: %1</translation>
    </message>
    <message>
        <source>cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.</source>
        <translation>cuestaval: a escala «%1» non vale; as escalas son 100, 125, 150, 175 e 200.</translation>
    </message>
    <message>
        <source>Cuestaval necesita una sesión gráfica: ábrelo desde el escritorio (X11 o Wayland).</source>
        <translation>Cuestaval necesita unha sesión gráfica: ábreo desde o escritorio (X11 ou Wayland).</translation>
    </message>
    <message>
        <source>Prueba «cuestaval --help».</source>
        <translation>Proba «cuestaval --help».</translation>
    </message>
    <message>
        <source>Escala de las ventanas, en porcentaje: 100, 125, 150, 175 o 200.</source>
        <translation>Escala das xanelas, en porcentaxe: 100, 125, 150, 175 ou 200.</translation>
    </message>
    <message>
        <source>porcentaje</source>
        <extracomment>The value name of --zoom in the command line&apos;s help.</extracomment>
        <translation>porcentaxe</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Normal</source>
        <extracomment>A label of the inclined-plane diagram: the normal force.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>m g sen θ</source>
        <extracomment>A label of the inclined-plane diagram: the weight along the plane (&quot;sen&quot; is the sine).</extracomment>
        <translation>m g sen θ</translation>
    </message>
</context>
<context>
    <name>EnergyView</name>
    <message>
        <source>Energía (J)</source>
        <extracomment>Title of the energy graph&apos;s scale, as the other graphs&apos; axes</extracomment>
        <translation>Enerxía (J)</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>Plano inclinado</source>
        <translation>Plano inclinado</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Plano horizontal</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Máquina de Atwood</translation>
    </message>
    <message>
        <source>Calcula %1</source>
        <extracomment>A question of the practice, named by its unknown: &quot;Calcula μ&quot;.</extracomment>
        <translation>Calcula %1</translation>
    </message>
    <message>
        <source>Calcula %1 y %2</source>
        <extracomment>A question of the practice, named by its two unknowns: &quot;Calcula m₂ y a&quot;.</extracomment>
        <translation>Calcula %1 e %2</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción. Revisa la ecuación del eje x: además de m·g·sen θ actúa la fricción fr = μ·m·g·cos θ, que se opone al deslizamiento.</source>
        <translation>Parece que non tiveches en conta o rozamento. Revisa a ecuación do eixe x: ademais de m·g·sen θ actúa o rozamento fr = μ·m·g·cos θ, que se opón ao esvaramento.</translation>
    </message>
    <message>
        <source>Parece que has cambiado el seno por el coseno. Al descomponer el peso, la componente a lo largo del plano es m·g·sen θ y la perpendicular al plano, m·g·cos θ.</source>
        <translation>Parece que cambiaches o seno polo coseno. Ao descompoñer o peso, a compoñente ao longo do plano é m·g·sen θ e a perpendicular ao plano, m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al deslizamiento, así que en el eje x resta: m·g·sen θ − fr = m·a.</source>
        <translation>Parece que sumaches o rozamento. O rozamento oponse ao esvaramento, así que no eixe x resta: m·g·sen θ − fr = m·a.</translation>
    </message>
    <message>
        <source>Parece que has tomado la normal igual al peso. En un plano inclinado la normal equilibra solo la componente perpendicular del peso: N = m·g·cos θ.</source>
        <translation>Parece que tomaches a normal igual ao peso. Nun plano inclinado a normal equilibra só a compoñente perpendicular do peso: N = m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que la calculadora estaba en radianes. Los ángulos de este problema van en grados: pon la calculadora en modo grados (DEG) y repite el cálculo.</source>
        <translation>Parece que a calculadora estaba en radiáns. Os ángulos deste problema van en graos: pon a calculadora en modo graos (DEG) e repite o cálculo.</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción de la mesa. En la ecuación del bloque 1, además de la tensión T, actúa la fricción fr = μ·m₁·g, que se opone al movimiento.</source>
        <translation>Parece que non tiveches en conta o rozamento da mesa. Na ecuación do bloque 1, ademais da tensión T, actúa o rozamento fr = μ·m₁·g, que se opón ao movemento.</translation>
    </message>
    <message>
        <source>Revisa la fricción: actúa sobre el bloque de la mesa, cuya normal es N = m₁·g, así que fr = μ·m₁·g. El bloque colgante no roza con nada.</source>
        <translation>Revisa o rozamento: actúa sobre o bloque da mesa, cuxa normal é N = m₁·g, así que fr = μ·m₁·g. O bloque colgado non roza con nada.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: el peso del bloque colgante arrastra a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Revisa que masa se acelera: o peso do bloque colgado arrastra os dous bloques, así que na ecuación do conxunto vai a masa total m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque colgante. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₂·(g − a).</source>
        <translation>Parece que tomaches a tensión igual ao peso do bloque colgado. Ese bloque acelera cara abaixo, así que a corda tira del con menos forza que o seu peso: T = m₂·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al movimiento, así que en la ecuación del bloque 1 resta: T − fr = m₁·a.</source>
        <translation>Parece que sumaches o rozamento. O rozamento oponse ao movemento, así que na ecuación do bloque 1 resta: T − fr = m₁·a.</translation>
    </message>
    <message>
        <source>Revisa qué bloque baja: m₁ es el que baja, m₁·g − T = m₁·a, y m₂ el que sube, T − m₂·g = m₂·a.</source>
        <translation>Revisa que bloque baixa: m₁ é o que baixa, m₁·g − T = m₁·a, e m₂ o que sobe, T − m₂·g = m₂·a.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: la diferencia de pesos mueve a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Revisa que masa se acelera: a diferenza de pesos move os dous bloques, así que na ecuación do conxunto vai a masa total m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque que baja. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₁·(g − a).</source>
        <translation>Parece que tomaches a tensión igual ao peso do bloque que baixa. Ese bloque acelera cara abaixo, así que a corda tira del con menos forza que o seu peso: T = m₁·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual a la fuerza neta, (m₁ − m₂)·g. La tensión es la fuerza de la cuerda sobre cada bloque: sale de la ecuación de uno de ellos.</source>
        <translation>Parece que tomaches a tensión igual á forza neta, (m₁ − m₂)·g. A tensión é a forza da corda sobre cada bloque: sae da ecuación dun deles.</translation>
    </message>
    <message>
        <source>Revisa el signo de a en la ecuación del bloque que sube: acelera hacia arriba, T − m₂·g = m₂·a, así que T = m₂·(g + a).</source>
        <translation>Revisa o signo de a na ecuación do bloque que sobe: acelera cara arriba, T − m₂·g = m₂·a, así que T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Un bloque baja deslizándose por un plano inclinado que forma un ángulo θ con la horizontal, con aceleración a. Entre el bloque y el plano hay fricción cinética, de coeficiente μ.</source>
        <translation>Un bloque baixa esvarando por un plano inclinado que forma un ángulo θ coa horizontal, con aceleración a. Entre o bloque e o plano hai rozamento cinético, de coeficiente μ.</translation>
    </message>
    <message>
        <source>Un bloque de masa m₁ está sobre una mesa horizontal, con coeficiente de fricción cinética μ entre el bloque y la mesa. Una cuerda que pasa por una polea en el borde de la mesa lo une a un bloque colgante de masa m₂, que baja y lo arrastra: los dos se mueven con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>Un bloque de masa m₁ está sobre unha mesa horizontal, con coeficiente de rozamento cinético μ entre o bloque e a mesa. Unha corda que pasa por unha polea no bordo da mesa úneo a un bloque colgado de masa m₂, que baixa e tira del: os dous móvense con aceleración a, e a tensión da corda é T. A corda e a polea teñen masa desprezable.</translation>
    </message>
    <message>
        <source>Dos bloques cuelgan de los extremos de una cuerda que pasa por una polea fija (máquina de Atwood): el de masa m₁ baja y el de masa m₂ sube, los dos con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>Dous bloques colgan dos extremos dunha corda que pasa por unha polea fixa (máquina de Atwood): o de masa m₁ baixa e o de masa m₂ sobe, os dous con aceleración a, e a tensión da corda é T. A corda e a polea teñen masa desprezable.</translation>
    </message>
    <message>
        <source>el ángulo θ del plano</source>
        <translation>o ángulo θ do plano</translation>
    </message>
    <message>
        <source>el coeficiente de fricción μ</source>
        <translation>o coeficiente de rozamento μ</translation>
    </message>
    <message>
        <source>la aceleración a del bloque</source>
        <translation>a aceleración a do bloque</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque de la mesa</source>
        <translation>a masa m₁ do bloque da mesa</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque colgante</source>
        <translation>a masa m₂ do bloque colgado</translation>
    </message>
    <message>
        <source>la aceleración a</source>
        <translation>a aceleración a</translation>
    </message>
    <message>
        <source>la tensión T de la cuerda</source>
        <translation>a tensión T da corda</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque que baja</source>
        <translation>a masa m₁ do bloque que baixa</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque que sube</source>
        <translation>a masa m₂ do bloque que sobe</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;θ = 30°, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Datos: %1.</source>
        <extracomment>%1 lists the given values: &quot;m₁ = 2 kg, m₂ = 3 kg, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>Datos: %1.</translation>
    </message>
    <message>
        <source>Calcula %1.</source>
        <extracomment>%1 names the unknown: &quot;el coeficiente de fricción μ&quot;.</extracomment>
        <translation>Calcula %1.</translation>
    </message>
    <message>
        <source>Calcula %1 y %2.</source>
        <extracomment>%1 and %2 name the unknowns: &quot;la masa m₂ del bloque colgante&quot;, &quot;la aceleración a&quot;.</extracomment>
        <translation>Calcula %1 e %2.</translation>
    </message>
    <message>
        <source>Escribe el código de un ejercicio.</source>
        <translation>Escribe o código dun exercicio.</translation>
    </message>
    <message>
        <source>No hay ningún ejercicio con el código «%1».</source>
        <translation>Non hai ningún exercicio co código «%1».</translation>
    </message>
    <message>
        <source>Un código tiene tres números separados por guiones, como 2-4-4817: el problema (1, 2 o 3), la pregunta y un número de 0 a %1.</source>
        <extracomment>%1 is the largest number of an exercise.</extracomment>
        <translation>Un código ten tres números separados por guións, como 2-4-4817: o problema (1, 2 ou 3), a pregunta e un número do 0 ao %1.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Máquina de Atwood.</translation>
    </message>
    <message>
        <source>Máquina de Atwood: una polea con una cuerda de cuyos extremos cuelgan los bloques m1 y m2, con la tensión T hacia arriba y los pesos m1 g y m2 g hacia abajo.</source>
        <translation>Máquina de Atwood: unha polea cunha corda de cuxos extremos colgan os bloques m1 e m2, coa tensión T cara arriba e os pesos m1 g e m2 g cara abaixo.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>en quilogramos</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metros por segundo ao cadrado</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Máquina de Atwood</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>en kilogramos</source>
        <translation>en quilogramos</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metros por segundo ao cadrado</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>en graos</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>sen unidades</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicios</translation>
    </message>
    <message>
        <source>Problema</source>
        <extracomment>Caption of the list of problems to practise.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <extracomment>Caption of the list of questions: what the exercise asks for.</extracomment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>Novo exercicio</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <extracomment>Button: checks the typed answers.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Ver simulación</source>
        <extracomment>Button: opens the simulation of the problem with the exercise&apos;s values.</extracomment>
        <translation>Ver simulación</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Código</source>
        <extracomment>Caption of the field where the student types an exercise&apos;s code, as 2-4-4817.</extracomment>
        <translation>Código</translation>
    </message>
    <message>
        <source>Ir</source>
        <extracomment>Button: opens the exercise whose code is typed beside it.</extracomment>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>One of the choices of problem and of question: any of them.</extracomment>
        <translation>Calquera</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <extracomment>%1 is the exercise&apos;s code: problem, question and number, as 2-4-4817.</extracomment>
        <translation>Código: %1</translation>
    </message>
    <message>
        <source>Tienes tres intentos.</source>
        <translation>Tes tres intentos.</translation>
    </message>
    <message>
        <source>Correcto</source>
        <extracomment>Beside an answer that is within the tolerance of the exact value.</extracomment>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Incorrecto</source>
        <extracomment>Beside an answer that is not.</extracomment>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Te queda un intento.</source>
        <translation>Quédache un intento.</translation>
    </message>
    <message>
        <source>Te quedan %1 intentos.</source>
        <translation>Quédanche %1 intentos.</translation>
    </message>
    <message>
        <source>Solución: %1.</source>
        <extracomment>%1 lists the exact answers: &quot;a = 3,21 m/s²; T = 14,13 N&quot;.</extracomment>
        <translation>Solución: %1.</translation>
    </message>
    <message>
        <source>Correctos a la primera: %1 de %2</source>
        <extracomment>Exercises answered right at the first try, of those checked in this session.</extracomment>
        <translation>Correctos á primeira: %1 de %2</translation>
    </message>
    <message>
        <source>Preparar una hoja…</source>
        <extracomment>Button: opens the dialog that writes a different exercise for every student of a class.</extracomment>
        <translation>Preparar unha folla…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Fricción mayor</source>
        <extracomment>Shown instead of an acceleration: friction holds the block still</extracomment>
        <translation>Rozamento excesivo</translation>
    </message>
    <message>
        <source>Ángulo de Inclinación</source>
        <translation>Ángulo de inclinación</translation>
    </message>
    <message>
        <source>Coeficiente de Fricción</source>
        <translation>Coeficiente de rozamento</translation>
    </message>
    <message>
        <source>Aceleración del Bloque</source>
        <translation>Aceleración do bloque</translation>
    </message>
    <message>
        <source>Tiempo de Deslizamiento</source>
        <translation>Tempo de esvaramento</translation>
    </message>
    <message>
        <source>Distancia Recorrida</source>
        <translation>Distancia percorrida</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Iniciar movemento</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Deter movemento</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Datos e gráficas</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Valores do problema</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>El plano inclinado con el bloque y sus fuerzas: peso, sus componentes, normal y fricción, a escala. Durante el movimiento deja marcas cada 0,1 s en las franjas izquierda e inferior.</source>
        <translation>O plano inclinado co bloque e as súas forzas: peso, as súas compoñentes, normal e rozamento, a escala. Durante o movemento deixa marcas cada 0,1 s nas franxas esquerda e inferior.</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Plano inclinado</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Plano horizontal.</translation>
    </message>
    <message>
        <source>Masa del Bloque 1</source>
        <translation>Masa do bloque 1</translation>
    </message>
    <message>
        <source>Masa del Bloque 2</source>
        <translation>Masa do bloque 2</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coeficiente de rozamento</translation>
    </message>
    <message>
        <source>Aceleración de los Bloques</source>
        <translation>Aceleración dos bloques</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Tempo de simulación</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Label of the distance the blocks have moved</extracomment>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Iniciar movemento</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Deter movemento</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Datos e gráficas</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Valores do problema</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s.</source>
        <translation>A mesa co bloque 1, a polea e o bloque 2 que colga, coas tensións, o rozamento e o peso a escala. Durante o movemento deixa marcas cada 0,1 s.</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Plano horizontal</translation>
    </message>
    <message>
        <source>No solución</source>
        <extracomment>Shown in the acceleration field, which is narrow: keep it short</extracomment>
        <translation>Sen solución</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Segunda Ley de Newton.</source>
        <translation>Segunda lei de Newton.</translation>
    </message>
    <message>
        <source>&quot;Segunda Ley de Newton&quot;</source>
        <translation>&quot;Segunda lei de Newton&quot;</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Máquina de Atwood</translation>
    </message>
    <message>
        <source>&quot;Máquina de Atwood&quot;</source>
        <translation>&quot;Máquina de Atwood&quot;</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Máquina de Atwood.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Masa 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Masa 2</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Tempo de simulación</translation>
    </message>
    <message>
        <source>Aceleración Masa 1</source>
        <translation>Aceleración masa 1</translation>
    </message>
    <message>
        <source>Aceleración Masa 2</source>
        <translation>Aceleración masa 2</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Distancia </source>
        <extracomment>Label of the distance each mass has moved (the trailing blank is part of the original layout)</extracomment>
        <translation>Distancia </translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Iniciar movemento</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Deter movemento</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Datos e gráficas</translation>
    </message>
    <message>
        <source>Nota sobre las masas del problema</source>
        <translation>Nota sobre as masas do problema</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques.</source>
        <translation>A máquina de Atwood: a polea, as cordas e os dous bloques cos seus pesos e tensións a escala. Durante o movemento deixa marcas cada 0,1 s xunto aos bloques.</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Máquina de Atwood</translation>
    </message>
    <message>
        <source>No hay solución</source>
        <translation>Non hai solución</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Prof. de Física · Mecánica Clásica</source>
        <extracomment>Author credit: &quot;Prof.&quot; abbreviates &quot;Profesor&quot; (teacher)</extracomment>
        <translation>Prof. de física · Mecánica clásica</translation>
    </message>
    <message>
        <source>Plano Horizontal</source>
        <translation>Plano horizontal</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Máquina de Atwood</translation>
    </message>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <extracomment>Button: opens the practice window, which poses problems to solve</extracomment>
        <translation>Exercicios</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Ángulo</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Coef. de rozamento</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metros por segundo ao cadrado</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>en graos</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>sen unidades</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <translation>Plano inclinado</translation>
    </message>
    <message>
        <source>Bloque sobre un plano inclinado un ángulo θ, con su peso m g descompuesto en m g sen θ y m g cos θ, la fuerza Normal y la fricción fr.</source>
        <translation>Bloque sobre un plano inclinado un ángulo θ, co seu peso m g descomposto en m g sen θ e m g cos θ, a forza Normal e o rozamento fr.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Plano horizontal.</translation>
    </message>
    <message>
        <source>Bloque m1 sobre una mesa con las fuerzas N, fr, T y m1 g, unido por una cuerda que pasa por una polea al bloque colgante m2, con las fuerzas T y m2 g.</source>
        <translation>Bloque m1 sobre unha mesa coas forzas N, fr, T e m1 g, unido por unha corda que pasa por unha polea ao bloque colgado m2, coas forzas T e m2 g.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>en quilogramos</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>sen unidades</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metros por segundo ao cadrado</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Plano horizontal</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Coef. de rozamento</translation>
    </message>
</context>
<context>
    <name>Handover</name>
    <message>
        <source>Aquí g = %1 m/s²: %2 = %3 %4; con %5 m/s², %6 %4</source>
        <extracomment>After a problem&apos;s values reach a simulation: %1 its g, %2 a symbol (T, a), %3 the value the window shows, %4 its unit, %5 the g of the problem windows, %6 the value with that g</extracomment>
        <translation>Aquí g = %1 m/s²: %2 = %3 %4; con %5 m/s², %6 %4</translation>
    </message>
</context>
<context>
    <name>HorizontalPlaneCases</name>
    <message>
        <source>El coeficiente de fricción debe ser mayor o igual a cero</source>
        <translation>O coeficiente de rozamento debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>A tensión debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor que cero</source>
        <translation>A tensión debe ser maior que cero</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>A aceleración debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor a cero</source>
        <translation>A masa m1 debe ser maior que cero</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor o igual a cero</source>
        <translation>A masa m1 debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>A masa m2 debe ser maior ou igual a cero</translation>
    </message>
    <message>
        <source>La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado</source>
        <translation>A aceleración debe ser positiva e menor que 9,81 metros por segundo ao cadrado</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>Unha masa non pode ser negativa.</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>Unha corda só pode tirar: a súa tensión non pode ser negativa.</translation>
    </message>
    <message>
        <source>Bloque 1, horizontal:   T − fr = m₁·a</source>
        <translation>Bloque 1, horizontal:   T − fr = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</source>
        <translation>Bloque 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</translation>
    </message>
    <message>
        <source>Bloque 2 (m₂, colgante): su peso m₂·g tira hacia abajo y la cuerda hacia arriba con T; la cuerda no se estira, así que los dos bloques tienen la misma aceleración a.</source>
        <translation>Bloque 2 (m₂, colgado): o seu peso m₂·g tira cara abaixo e a corda cara arriba con T; a corda non se estira, así que os dous bloques teñen a mesma aceleración a.</translation>
    </message>
    <message>
        <source>Bloque 2, vertical (hacia abajo):   m₂·g − T = m₂·a</source>
        <translation>Bloque 2, vertical (cara abaixo):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Sistema de ecuaciones:</source>
        <translation>Sistema de ecuacións:</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece:</source>
        <translation>Sumando as dúas ecuacións, a tensión desaparece:</translation>
    </message>
    <message>
        <source>Las masas deben ser mayores o iguales a cero</source>
        <translation>As masas deben ser maiores ou iguais a cero</translation>
    </message>
    <message>
        <source>Escribe masas mayores o iguales a cero.</source>
        <translation>Escribe masas maiores ou iguais a cero.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor o igual a cero.</source>
        <translation>Escribe un coeficiente de rozamento maior ou igual a cero.</translation>
    </message>
    <message>
        <source>Aumenta m₂ o reduce μ o m₁, hasta que m₂ ≥ μ·m₁.</source>
        <translation>Aumenta m₂ ou reduce μ ou m₁, ata que m₂ ≥ μ·m₁.</translation>
    </message>
    <message>
        <source>Las dos masas son cero: no hay nada que mover.</source>
        <translation>As dúas masas son cero: non hai nada que mover.</translation>
    </message>
    <message>
        <source>Escribe al menos una masa mayor que cero.</source>
        <translation>Escribe polo menos unha masa maior que cero.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Despexe</translation>
    </message>
    <message>
        <source>Para despejar μ hay que dividir entre m₁·g, así que m₁ no puede ser cero.</source>
        <translation>Para despexar μ hai que dividir entre m₁·g, así que m₁ non pode ser cero.</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor que cero.</source>
        <translation>Escribe unha masa m₁ maior que cero.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Escribe unha masa m₂ maior ou igual a cero.</translation>
    </message>
    <message>
        <source>El bloque colgante tira del sistema, que parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>O bloque colgado tira do sistema, que parte do repouso: non pode acelerar cara atrás.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Escribe unha aceleración maior ou igual a cero.</translation>
    </message>
    <message>
        <source>Ni sin fricción (μ = 0) llegaría el sistema a esa aceleración: haría falta un coeficiente de fricción negativo.</source>
        <translation>Nin sen rozamento (μ = 0) chegaría o sistema a esa aceleración: faría falta un coeficiente de rozamento negativo.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor o igual a %1, o aumenta m₂.</source>
        <translation>Escribe unha aceleración menor ou igual a %1, ou aumenta m₂.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja μ; T sale de la ecuación del bloque 2:</source>
        <translation>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a despéxase μ; T sae da ecuación do bloque 2:</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor o igual a cero.</source>
        <translation>Escribe unha masa m₁ maior ou igual a cero.</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor que cero.</source>
        <translation>Escribe unha tensión maior que cero.</translation>
    </message>
    <message>
        <source>Con una masa igual a cero no se puede despejar μ: habría que dividir entre m₁·m₂·g.</source>
        <translation>Cunha masa igual a cero non se pode despexar μ: habería que dividir entre m₁·m₂·g.</translation>
    </message>
    <message>
        <source>Escribe dos masas mayores que cero.</source>
        <translation>Escribe dúas masas maiores que cero.</translation>
    </message>
    <message>
        <source>Esa es la tensión sin fricción; una tensión menor pediría un coeficiente de fricción negativo.</source>
        <translation>Esa é a tensión sen rozamento; unha tensión menor pediría un coeficiente de rozamento negativo.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1.</source>
        <translation>Escribe unha tensión de polo menos %1.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja μ:</source>
        <translation>Eliminando a entre as dúas ecuacións queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de onde se despexa μ:</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría, y el sistema no se movería hacia la polea.</source>
        <translation>A corda tiraría do bloque colgado cara arriba máis que o seu peso: subiría, e o sistema non se movería cara á polea.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor o igual a %1, o aumenta m₂.</source>
        <translation>Escribe unha tensión menor ou igual a %1, ou aumenta m₂.</translation>
    </message>
    <message>
        <source>La aceleración sale de la ecuación del bloque 2:</source>
        <translation>A aceleración sae da ecuación do bloque 2:</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Escribe unha tensión maior ou igual a cero.</translation>
    </message>
    <message>
        <source>Por pesado que sea el bloque colgante, la tensión se acerca a m₁·(1 + μ)·g sin llegar nunca a ese valor.</source>
        <translation>Por moi pesado que sexa o bloque colgado, a tensión achégase a m₁·(1 + μ)·g sen chegar nunca a ese valor.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁ o μ.</source>
        <translation>Escribe unha tensión menor que %1, ou aumenta m₁ ou μ.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₂; después a sale de la suma de las ecuaciones:</source>
        <translation>Eliminando a entre as dúas ecuacións queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de onde se despexa m₂; despois a sae da suma das ecuacións:</translation>
    </message>
    <message>
        <source>a &lt; 0, es decir, T &lt; μ·m₁·g = %1</source>
        <translation>a &lt; 0, é dicir, T &lt; μ·m₁·g = %1</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce μ.</source>
        <translation>Escribe unha tensión de polo menos %1, ou reduce μ.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo hacia la polea, y el bloque colgante no puede caer más deprisa que en caída libre: 0 ≤ a &lt; g.</source>
        <translation>O sistema parte do repouso cara á polea, e o bloque colgado non pode caer máis rápido que en caída libre: 0 ≤ a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre 0 y 9,81 m/s² (sin llegar a 9,81).</source>
        <translation>Escribe unha aceleración entre 0 e 9,81 m/s² (sen chegar a 9,81).</translation>
    </message>
    <message>
        <source>De la ecuación del bloque 2, m₂·(g − a) = T, se despeja m₂; μ sale de la suma de las ecuaciones:</source>
        <translation>Da ecuación do bloque 2, m₂·(g − a) = T, despéxase m₂; μ sae da suma das ecuacións:</translation>
    </message>
    <message>
        <source>μ &lt; 0, es decir, T &lt; m₁·a = %1</source>
        <translation>μ &lt; 0, é dicir, T &lt; m₁·a = %1</translation>
    </message>
    <message>
        <source>La cuerda no tira lo bastante para dar esa aceleración al bloque de la mesa, ni siquiera sin fricción.</source>
        <translation>A corda non tira o bastante para darlle esa aceleración ao bloque da mesa, nin sequera sen rozamento.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce a o m₁.</source>
        <translation>Escribe unha tensión de polo menos %1, ou reduce a ou m₁.</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0, y el bloque colgante no puede caer más deprisa que en caída libre, a &lt; g.</source>
        <translation>Este caso pide un sistema que acelera, a &gt; 0, e o bloque colgado non pode caer máis rápido que en caída libre, a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que 0 y menor que 9,81 m/s².</source>
        <translation>Escribe unha aceleración maior que 0 e menor que 9,81 m/s².</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₂; T sale de la ecuación del bloque 2:</source>
        <translation>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a despéxase m₂; T sae da ecuación do bloque 2:</translation>
    </message>
    <message>
        <source>T − μ·m₁·g = m₁·a   (dos incógnitas, m₁ y μ, en una ecuación)</source>
        <translation>T − μ·m₁·g = m₁·a   (dúas incógnitas, m₁ e μ, nunha ecuación)</translation>
    </message>
    <message>
        <source>m₂, a y T solo describen el bloque colgante. La ecuación del bloque de la mesa tiene dos incógnitas, m₁ y μ, y cualquier pareja que la cumpla vale: faltan datos.</source>
        <translation>m₂, a e T só describen o bloque colgado. A ecuación do bloque da mesa ten dúas incógnitas, m₁ e μ, e calquera parella que a cumpra vale: faltan datos.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T.</source>
        <translation>Marca m₁ ou μ como dato en lugar de m₂, a ou T.</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>A masa m2 debe ser maior que cero</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor que cero.</source>
        <translation>Escribe unha masa m₂ maior que cero.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>O coeficiente de rozamento debe ser maior que cero</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Escribe un coeficiente de rozamento maior que cero.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>O sistema parte do repouso: non pode acelerar cara atrás.</translation>
    </message>
    <message>
        <source>Escribe una aceleración o un coeficiente de fricción mayor que cero.</source>
        <translation>Escribe unha aceleración ou un coeficiente de rozamento maior que cero.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₁; T sale de la ecuación del bloque 2:</source>
        <translation>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a despéxase m₁; T sae da ecuación do bloque 2:</translation>
    </message>
    <message>
        <source>a &gt; g, así que m₁ &lt; 0</source>
        <translation>a &gt; g, así que m₁ &lt; 0</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre.</source>
        <translation>O bloque colgado non pode caer máis rápido que en caída libre.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Escribe unha aceleración menor que 9,81 m/s².</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor a cero</source>
        <translation>A masa m2 debe ser maior que cero</translation>
    </message>
    <message>
        <source>Para despejar a hay que dividir entre m₂, así que m₂ no puede ser cero.</source>
        <translation>Para despexar a hai que dividir entre m₂, así que m₂ non pode ser cero.</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría en lugar de bajar.</source>
        <translation>A corda tiraría do bloque colgado cara arriba máis que o seu peso: subiría en lugar de baixar.</translation>
    </message>
    <message>
        <source>Sin fricción, una tensión igual al peso del bloque colgante pediría un bloque m₁ infinitamente pesado.</source>
        <translation>Sen rozamento, unha tensión igual ao peso do bloque colgado pediría un bloque m₁ infinitamente pesado.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Escribe unha tensión menor que %1.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₁:</source>
        <translation>Eliminando a entre as dúas ecuacións queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de onde se despexa m₁:</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>A aceleración debe ser maior que cero</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Escribe unha aceleración maior que cero.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de la ecuación del bloque 1, T − μ·m₁·g = m₁·a, y m₂ de la del bloque 2, m₂·g − T = m₂·a.</source>
        <translation>Cada bloque por separado: m₁ sae da ecuación do bloque 1, T − μ·m₁·g = m₁·a, e m₂ da do bloque 2, m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre; con a ≥ g, m₂ = T/(g − a) no tiene sentido.</source>
        <translation>O bloque colgado non pode caer máis rápido que en caída libre; con a ≥ g, m₂ = T/(g − a) non ten sentido.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Masa 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Masa 2</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coeficiente de rozamento</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>masa del bloque sobre la mesa</source>
        <translation>masa do bloque sobre a mesa</translation>
    </message>
    <message>
        <source>masa del bloque colgante</source>
        <translation>masa do bloque colgado</translation>
    </message>
    <message>
        <source>coeficiente de fricción de la mesa</source>
        <translation>coeficiente de rozamento da mesa</translation>
    </message>
    <message>
        <source>aceleración del sistema</source>
        <translation>aceleración do sistema</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>tensión da corda</translation>
    </message>
    <message>
        <source>El coeficiente de fricción no puede ser negativo: la fricción siempre se opone al deslizamiento.</source>
        <translation>O coeficiente de rozamento non pode ser negativo: o rozamento sempre se opón ao esvaramento.</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante, con fricción cinética μ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier μ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>Con a = 0 os bloques móvense a velocidade constante, con rozamento cinético μ = %1. Se estivesen en repouso, o rozamento estático suxeitaríaos con calquera μ ≥ %1: ese valor sería só o mínimo.</translation>
    </message>
    <message>
        <source>Bloque 1 (m₁, sobre la mesa): la cuerda tira de él con la tensión T hacia la polea y la fricción fr se opone al deslizamiento; en vertical, la normal N equilibra el peso m₁·g.</source>
        <translation>Bloque 1 (m₁, sobre a mesa): a corda tira del coa tensión T cara á polea e o rozamento fr oponse ao esvaramento; en vertical, a normal N equilibra o peso m₁·g.</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque 1 desliza):   fr = μ·N = μ·m₁·g</source>
        <translation>Rozamento cinético (o bloque 1 esvara):   fr = μ·N = μ·m₁·g</translation>
    </message>
    <message>
        <source>El peso del bloque colgante, m₂·g, no supera la fricción máxima μ·m₁·g del bloque de la mesa: el sistema se queda en reposo, a = 0, la fricción estática vale justo m₂·g y la tensión es T = m₂·g = %1. La ventana no da resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>O peso do bloque colgado, m₂·g, non supera o rozamento máximo μ·m₁·g do bloque da mesa: o sistema queda en repouso, a = 0, o rozamento estático vale xusto m₂·g e a tensión é T = m₂·g = %1. A xanela non dá resultado porque as súas fórmulas son as do sistema que esvara, con rozamento cinético.</translation>
    </message>
    <message>
        <source>De la suma de las dos ecuaciones se despeja a:</source>
        <translation>Da suma das dúas ecuacións despéxase a:</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, T = m₂·(g − a); sustituyendo a queda:</source>
        <translation>T sae da ecuación do bloque 2, T = m₂·(g − a); substituíndo a queda:</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es demasiado grande</source>
        <translation>a aceleración non é negativa, é demasiado grande</translation>
    </message>
    <message>
        <source>una de las masas es cero</source>
        <translation>unha das masas é cero</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero menor que la tensión sin fricción</source>
        <translation>a tensión é positiva, pero menor que a tensión sen rozamento</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero mayor que el peso del bloque colgante</source>
        <translation>a tensión é positiva, pero maior que o peso do bloque colgado</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado grande</source>
        <translation>a tensión non é negativa, é demasiado grande</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es menor que la fricción máxima</source>
        <translation>a tensión non é negativa, é menor que o rozamento máximo</translation>
    </message>
    <message>
        <source>Con T &lt; μ·m₁·g el sistema no desliza: se queda en reposo, a = 0, sujeto por la fricción estática, y entonces la cuerda aguanta el peso del bloque colgante, T = m₂·g, así que m₂ = T/g = %1. La ventana no da ese resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>Con T &lt; μ·m₁·g o sistema non esvara: queda en repouso, a = 0, suxeito polo rozamento estático, e entón a corda aguanta o peso do bloque colgado, T = m₂·g, así que m₂ = T/g = %1. A xanela non dá ese resultado porque as súas fórmulas son as do sistema que esvara, con rozamento cinético.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado pequeña para esa aceleración</source>
        <translation>a tensión non é negativa, é demasiado pequena para esa aceleración</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Los datos tienen que cumplir la ecuación del bloque 2, m₂·g − T = m₂·a:</source>
        <translation>Os datos teñen que cumprir a ecuación do bloque 2, m₂·g − T = m₂·a:</translation>
    </message>
    <message>
        <source>Estos datos se contradicen: no cumplen la ecuación del bloque colgante. Y aunque la cumplieran, la ecuación del bloque de la mesa tendría dos incógnitas, m₁ y μ: faltarían datos.</source>
        <translation>Estes datos contradinse: non cumpren a ecuación do bloque colgado. E aínda que a cumprisen, a ecuación do bloque da mesa tería dúas incógnitas, m₁ e μ: faltarían datos.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T, con valores que cumplan m₂·g − T = m₂·a.</source>
        <translation>Marca m₁ ou μ como dato en lugar de m₂, a ou T, con valores que cumpran m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, pero a y μ valen cero a la vez</source>
        <translation>a aceleración non é negativa, pero a e μ valen cero á vez</translation>
    </message>
    <message>
        <source>Sin fricción, el bloque colgante siempre acelera el sistema: a = m₂·g/(m₁ + m₂) &gt; 0 sea cual sea m₁. Ninguna m₁ da a = 0, y al despejarla habría que dividir entre a + μ·g = 0.</source>
        <translation>Sen rozamento, o bloque colgado sempre acelera o sistema: a = m₂·g/(m₁ + m₂) &gt; 0 sexa cal sexa m₁. Ningunha m₁ dá a = 0, e para despexala habería que dividir entre a + μ·g = 0.</translation>
    </message>
    <message>
        <source>Sin bloque colgante (m₂ = 0) y sin fricción, nada tira del bloque 1 ni lo frena: a = 0 con cualquier m₁, que no se puede despejar.</source>
        <translation>Sen bloque colgado (m₂ = 0) e sen rozamento, nada tira do bloque 1 nin o frea: a = 0 con calquera m₁, que non se pode despexar.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es mayor que g</source>
        <translation>a aceleración non é negativa, é maior que g</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante con m₁ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier m₁ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>Con a = 0 os bloques móvense a velocidade constante con m₁ = %1. Se estivesen en repouso, o rozamento estático suxeitaríaos con calquera m₁ ≥ %1: ese valor sería só o mínimo.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es mayor que el peso del bloque colgante</source>
        <translation>a tensión non é negativa, é maior que o peso do bloque colgado</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es igual al peso del bloque colgante</source>
        <translation>a tensión non é negativa, é igual ao peso do bloque colgado</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0. Con a = 0 los bloques podrían moverse a velocidad constante, pero la ventana no admite ese valor.</source>
        <translation>Este caso pide un sistema que acelere, a &gt; 0. Con a = 0 os bloques poderían moverse a velocidade constante, pero a xanela non admite ese valor.</translation>
    </message>
    <message>
        <source>La gravedad debe ser mayor que la aceleración</source>
        <translation>A gravidade debe ser maior que a aceleración</translation>
    </message>
</context>
<context>
    <name>InclinedPlaneCases</name>
    <message>
        <source>El ángulo debe ser mayor a cero y menor a 90 grados</source>
        <translation>O ángulo debe ser maior que cero e menor que 90 graos</translation>
    </message>
    <message>
        <source>Sobre el bloque actúan su peso m·g, la normal N (Normal en el dibujo) y la fricción fr, que se opone al deslizamiento. El eje x va a lo largo del plano, hacia abajo, y el eje y perpendicular al plano; el peso se descompone en m·g·sen θ y m·g·cos θ.</source>
        <translation>Sobre o bloque actúan o seu peso m·g, a normal N (Normal no debuxo) e o rozamento fr, que se opón ao esvaramento. O eixe x vai ao longo do plano, cara abaixo, e o eixe y perpendicular ao plano; o peso descomponse en m·g·sen θ e m·g·cos θ.</translation>
    </message>
    <message>
        <source>Eje x:   m·g·sen θ − fr = m·a</source>
        <translation>Eixe x:   m·g·sen θ − fr = m·a</translation>
    </message>
    <message>
        <source>Eje y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</source>
        <translation>Eixe y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</translation>
    </message>
    <message>
        <source>Sustituyendo fr en la ecuación del eje x, la masa m se simplifica:</source>
        <translation>Substituíndo fr na ecuación do eixe x, a masa m simplifícase:</translation>
    </message>
    <message>
        <source>a = g·(sen θ − μ·cos θ)</source>
        <translation>a = g·(sen θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°; con 90° la pared es vertical y no hay normal ni fricción.</source>
        <translation>Un plano inclinado forma co chan un ángulo entre 0° e 90°; con 90° a parede é vertical e non hai normal nin rozamento.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0 y menor que 90.</source>
        <translation>Escribe un ángulo maior que 0 e menor que 90.</translation>
    </message>
    <message>
        <source>El ángulo debe ser diferente de cero</source>
        <translation>O ángulo debe ser distinto de cero</translation>
    </message>
    <message>
        <source>En un plano horizontal el peso no empuja al bloque a lo largo del plano: no desliza solo.</source>
        <translation>Nun plano horizontal o peso non empurra o bloque ao longo do plano: non esvara só.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0.</source>
        <translation>Escribe un ángulo maior que 0.</translation>
    </message>
    <message>
        <source>9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración</source>
        <translation>9,81 polo seno do ángulo de inclinación debe ser maior que a aceleración</translation>
    </message>
    <message>
        <source>a ≥ g·sen θ = %1</source>
        <translation>a ≥ g·sen θ = %1</translation>
    </message>
    <message>
        <source>Sin fricción el bloque bajaría con g·sen θ; una aceleración igual o mayor pediría un coeficiente de fricción nulo o negativo.</source>
        <translation>Sen rozamento o bloque baixaría con g·sen θ; unha aceleración igual ou maior pediría un coeficiente de rozamento nulo ou negativo.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que %1, o un ángulo mayor.</source>
        <translation>Escribe unha aceleración menor que %1, ou un ángulo maior.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Despexe</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja μ:</source>
        <translation>De a = g·(sen θ − μ·cos θ) despéxase μ:</translation>
    </message>
    <message>
        <source>g·sen θ − a</source>
        <translation>g·sen θ − a</translation>
    </message>
    <message>
        <source>%1·sen %2 − %3</source>
        <translation>%1·sen %2 − %3</translation>
    </message>
    <message>
        <source>Búsqueda del ángulo</source>
        <translation>Busca do ángulo</translation>
    </message>
    <message>
        <source>Con μ = %1, la aceleración va de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo entero da una aceleración tan cerca de a = %4. El programa no escribe nada.</source>
        <translation>Con μ = %1, a aceleración vai de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo enteiro dá unha aceleración tan próxima a a = %4. O programa non escribe nada.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre esos dos valores, o cambia μ.</source>
        <translation>Escribe unha aceleración entre eses dous valores, ou cambia μ.</translation>
    </message>
    <message>
        <source>θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4</source>
        <translation>θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4</translation>
    </message>
    <message>
        <source>el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| &lt; 0,1</source>
        <translation>o maior ángulo enteiro que cumpre |a − g·(sen θ − μ·cos θ)| &lt; 0,1</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°.</source>
        <translation>Un plano inclinado forma co chan un ángulo entre 0° e 90°.</translation>
    </message>
    <message>
        <source>Escribe un ángulo entre 0 y 90.</source>
        <translation>Escribe un ángulo entre 0 e 90.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>O coeficiente de rozamento debe ser maior que cero</translation>
    </message>
    <message>
        <source>Este problema es el de un plano con fricción: el coeficiente tiene que ser positivo.</source>
        <translation>Este problema é o dun plano con rozamento: o coeficiente ten que ser positivo.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Escribe un coeficiente de rozamento maior que cero.</translation>
    </message>
    <message>
        <source>La aceleración ya está despejada; se sustituyen los datos:</source>
        <translation>A aceleración xa está despexada; substitúense os datos:</translation>
    </message>
    <message>
        <source>g·(sen θ − μ·cos θ)</source>
        <translation>g·(sen θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>%1·(sen %2 − %3·cos %2)</source>
        <translation>%1·(sen %2 − %3·cos %2)</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Ángulo</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coeficiente de rozamento</translation>
    </message>
    <message>
        <source>aceleración del bloque</source>
        <translation>aceleración do bloque</translation>
    </message>
    <message>
        <source>ángulo del plano</source>
        <translation>ángulo do plano</translation>
    </message>
    <message>
        <source>coeficiente de fricción</source>
        <translation>coeficiente de rozamento</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque desliza):   fr = μ·N = μ·m·g·cos θ</source>
        <translation>Rozamento cinético (o bloque esvara):   fr = μ·N = μ·m·g·cos θ</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja θ: como sen θ − μ·cos θ = √(1 + μ²)·sen(θ − arctg μ),</source>
        <translation>De a = g·(sen θ − μ·cos θ) despéxase θ: como sen θ − μ·cos θ = √(1 + μ²)·sen(θ − arctg μ),</translation>
    </message>
    <message>
        <source>θ = arctg μ + arcsen %1</source>
        <extracomment>&quot;arctg&quot; and &quot;arcsen&quot; as the school books of the language write them.</extracomment>
        <translation>θ = arctg μ + arcsen %1</translation>
    </message>
    <message>
        <source>θ = arctg %1 + arcsen %2</source>
        <translation>θ = arctg %1 + arcsen %2</translation>
    </message>
    <message>
        <source>Con a = 0 el bloque baja a velocidad constante y μ = tg θ. Si estuviera en reposo, la fricción estática lo sujetaría con cualquier μ ≥ tg θ: el valor hallado sería solo el mínimo.</source>
        <translation>Con a = 0 o bloque baixa a velocidade constante e μ = tg θ. Se estivese en repouso, o rozamento estático suxeitaríao con calquera μ ≥ tg θ: o valor achado sería só o mínimo.</translation>
    </message>
    <message>
        <source>La aceleración crece con el ángulo, de %1 (θ = 0°) a %2 (θ = 90°): ningún ángulo da exactamente a = %3.</source>
        <translation>A aceleración crece co ángulo, de %1 (θ = 0°) a %2 (θ = 90°): ningún ángulo dá exactamente a = %3.</translation>
    </message>
    <message>
        <source>La ventana no despeja θ: prueba los ángulos de grado entero de 0° a 90° en a = g·(sen θ − μ·cos θ) y escribe el mayor cuya aceleración se aleja de la dada menos de 0,1 m/s².</source>
        <translation>A xanela non despexa θ: proba os ángulos de grao enteiro de 0° a 90° en a = g·(sen θ − μ·cos θ) e escribe o maior cuxa aceleración se afasta da dada menos de 0,1 m/s².</translation>
    </message>
    <message>
        <source>|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ entero de 0° a 90°</source>
        <translation>|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ enteiro de 0° a 90°</translation>
    </message>
    <message>
        <source>a = %1 está entre la aceleración de %2, %3, y la de %4, %5, pero a más de 0,1 m/s² de las dos: con μ = %6 la aceleración cambia más de 0,2 m/s² de un grado al siguiente. El ángulo exacto, %7°, no es entero, y la ventana no escribe nada.</source>
        <translation>a = %1 está entre a aceleración de %2, %3, e a de %4, %5, pero a máis de 0,1 m/s² das dúas: con μ = %6 a aceleración cambia máis de 0,2 m/s² dun grao ao seguinte. O ángulo exacto, %7°, non é enteiro, e a xanela non escribe nada.</translation>
    </message>
    <message>
        <source>El ángulo que buscas es el exacto, %1°. Para que la ventana escriba uno, acerca a a la aceleración de %2 o de %3.</source>
        <translation>O ángulo que buscas é o exacto, %1°. Para que a xanela escriba un, achega a á aceleración de %2 ou de %3.</translation>
    </message>
    <message>
        <source>Ningún ángulo da exactamente a, pero la aceleración de %1 queda a menos de 0,1 m/s², y la ventana lo escribe.</source>
        <translation>Ningún ángulo dá exactamente a, pero a aceleración de %1 queda a menos de 0,1 m/s², e a xanela escríbeo.</translation>
    </message>
    <message>
        <source>Por eso la ventana escribe %1 y no el ángulo exacto, %2°: de %3 a %1 todos los ángulos enteros quedan a menos de 0,1 m/s² de a, y se queda con el mayor.</source>
        <translation>Por iso a xanela escribe %1 e non o ángulo exacto, %2°: de %3 a %1 todos os ángulos enteiros quedan a menos de 0,1 m/s² de a, e quédase co maior.</translation>
    </message>
    <message>
        <source>La ventana escribe %1, el único ángulo entero a menos de 0,1 m/s² de a; el exacto es %2°.</source>
        <translation>A xanela escribe %1, o único ángulo enteiro a menos de 0,1 m/s² de a; o exacto é %2°.</translation>
    </message>
    <message>
        <source>La ventana pasa los grados a radianes con π ≈ 3,14159, un poco menos que π: por eso tg %1 le sale %2, algo menos que %3, y a es negativa por muy poco.</source>
        <translation>A xanela pasa os graos a radiáns con π ≈ 3,14159, un pouco menos ca π: por iso lle sae tg %1 = %2, algo menos ca %3, e a é negativa por moi pouco.</translation>
    </message>
    <message>
        <source>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</source>
        <extracomment>&quot;tg&quot; is the tangent as the school books of the language write it.</extracomment>
        <translation>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</translation>
    </message>
    <message>
        <source>Solo la fricción máxima, μ·N = μ·m·g·cos θ, supera la componente del peso a lo largo del plano, m·g·sen θ: el bloque no desliza. Se queda en reposo, a = 0, y la fricción estática vale justo m·g·sen θ. La fórmula da un valor negativo porque es la del bloque que desliza, con fricción cinética; por eso la ventana no da resultado. Con μ = %1 el bloque empieza a deslizar a partir de θ = arctg μ = %2°.</source>
        <translation>Só o rozamento máximo, μ·N = μ·m·g·cos θ, supera a compoñente do peso ao longo do plano, m·g·sen θ: o bloque non esvara. Queda en repouso, a = 0, e o rozamento estático vale xusto m·g·sen θ. A fórmula dá un valor negativo porque é a do bloque que esvara, con rozamento cinético; por iso a xanela non dá resultado. Con μ = %1 o bloque comeza a esvarar a partir de θ = arctg μ = %2°.</translation>
    </message>
    <message>
        <source>Aumenta el ángulo por encima de %1° o reduce μ por debajo de tg θ = %2.</source>
        <translation>Aumenta o ángulo por riba de %1° ou reduce μ por debaixo de tg θ = %2.</translation>
    </message>
</context>
<context>
    <name>PrintPlugin</name>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>El valor de «%1» no es un número válido.</source>
        <translation>O valor de «%1» non é un número válido.</translation>
    </message>
    <message>
        <source>El problema no tiene solución</source>
        <translation>O problema non ten solución</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list of symbols: &quot;m₁, m₂ y μ&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 no es un número</source>
        <translation>%1 non é un número</translation>
    </message>
    <message>
        <source>El campo «%1» no contiene un número que se pueda leer.</source>
        <translation>O campo «%1» non contén un número que se poida ler.</translation>
    </message>
    <message>
        <source>Escribe solo el número, con coma decimal y sin unidades: por ejemplo 2 o %1.</source>
        <translation>Escribe só o número, con coma decimal e sen unidades: por exemplo 2 ou %1.</translation>
    </message>
    <message>
        <source>Se conocen %1; se buscan %2.</source>
        <extracomment>%1 lists the given symbols, %2 the sought ones (&quot;m₁, m₂ y μ&quot;).</extracomment>
        <translation>Coñécense %1; búscanse %2.</translation>
    </message>
    <message>
        <source>Se conocen %1; se busca %2.</source>
        <extracomment>%1 lists the given symbols, %2 is the one sought.</extracomment>
        <translation>Coñécense %1; búscase %2.</translation>
    </message>
    <message>
        <source>Datos</source>
        <extracomment>Heading of the worked solution: the given values.</extracomment>
        <translation>Datos</translation>
    </message>
    <message>
        <source>En este caso no hace falta leer los valores: basta con saber qué datos se conocen.</source>
        <translation>Neste caso non fai falta ler os valores: abonda con saber que datos se coñecen.</translation>
    </message>
    <message>
        <source>g = %1 (aceleración de la gravedad)</source>
        <translation>g = %1 (aceleración da gravidade)</translation>
    </message>
    <message>
        <source>Con estos datos el resultado es tan grande que no cabe en ningún número.</source>
        <translation>Con estes datos o resultado é tan grande que non cabe en ningún número.</translation>
    </message>
    <message>
        <source>Escribe datos de un tamaño razonable.</source>
        <translation>Escribe datos dun tamaño razoable.</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Por qué no hay resultado</source>
        <translation>Por que non hai resultado</translation>
    </message>
    <message>
        <source>Segunda ley de Newton</source>
        <translation>Segunda lei de Newton</translation>
    </message>
    <message>
        <source>Ese mensaje no describe lo que falla: %1.</source>
        <translation>Esa mensaxe non describe o que falla: %1.</translation>
    </message>
    <message>
        <source>Marca tres casillas: las magnitudes que conoces</source>
        <extracomment>The blue note of a problem window after &quot;Resolver&quot; with too few or too many boxes ticked</extracomment>
        <translation>Marca tres caixas: as magnitudes que coñeces</translation>
    </message>
    <message>
        <source>Marca dos casillas: las magnitudes que conoces</source>
        <translation>Marca dúas caixas: as magnitudes que coñeces</translation>
    </message>
    <message>
        <source>Escribe %1</source>
        <extracomment>Added to the blue note after a number typed with the other decimal separator; %1 is it as it must be typed</extracomment>
        <translation>Escribe %1</translation>
    </message>
</context>
<context>
    <name>ProblemWindow</name>
    <message>
        <source>Diagrama de fuerzas</source>
        <translation>Diagrama de forzas</translation>
    </message>
    <message>
        <source>Ver resolución</source>
        <extracomment>Button that opens the step-by-step solution of the last press of &quot;Resolver&quot;.</extracomment>
        <translation>Ver resolución</translation>
    </message>
    <message>
        <source>En cifras decimales, introducir coma en vez de punto.</source>
        <translation>Nos números decimais, escribe coma en vez de punto.</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>Distancia recorrida</source>
        <translation>Distancia percorrida</translation>
    </message>
    <message>
        <source>Distancia (m)</source>
        <translation>Distancia (m)</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Title of the speed graph</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Velocidad (m/s)</source>
        <translation>Velocidade (m/s)</translation>
    </message>
    <message>
        <source>Tiempo (s)</source>
        <extracomment>Graph axis title</extracomment>
        <translation>Tempo (s)</translation>
    </message>
</context>
<context>
    <name>RunEnergy</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An energy of one body: %1 the energy (&quot;Energía cinética&quot;), %2 the body (&quot;bloque 1&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Trabajo de los pesos</source>
        <extracomment>Bar label and start of the balance line: the work of both weights (Atwood machine)</extracomment>
        <translation>Traballo dos pesos</translation>
    </message>
    <message>
        <source>Trabajo del peso</source>
        <extracomment>Bar label and start of the balance line: the work of the one weight that works</extracomment>
        <translation>Traballo do peso</translation>
    </message>
    <message>
        <source>Energía cinética</source>
        <translation>Enerxía cinética</translation>
    </message>
    <message>
        <source>Calor por rozamiento</source>
        <translation>Calor por rozamento</translation>
    </message>
    <message>
        <source>Variación de energía potencial</source>
        <translation>Variación de enerxía potencial</translation>
    </message>
    <message>
        <source>Trabajo de la tensión</source>
        <translation>Traballo da tensión</translation>
    </message>
    <message>
        <source>W pesos</source>
        <extracomment>Column heading: W (work) of both weights; the body and unit follow</extracomment>
        <translation>W pesos</translation>
    </message>
    <message>
        <source>W peso</source>
        <extracomment>Column heading: W (work) of the weight; the unit follows</extracomment>
        <translation>W peso</translation>
    </message>
    <message>
        <source>Ec</source>
        <extracomment>Column heading: the symbol of kinetic energy in the school books</extracomment>
        <translation>Ec</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>Column heading: the symbol of heat</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>ΔEp</source>
        <extracomment>Column heading: the symbol of the change of potential energy</extracomment>
        <translation>ΔEp</translation>
    </message>
    <message>
        <source>W tensión</source>
        <extracomment>Column heading: W (work) of the tension</extracomment>
        <translation>W tensión</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One quantity of the balance line: %1 its name, %2 its value with the unit (&quot;energía cinética 3,08 J&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A bar of one body&apos;s energy: %1 the body (&quot;bloque 1&quot;), %2 the energy (&quot;energía cinética&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>bloque 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia bloque 1 (m)&quot;</extracomment>
        <translation>bloque 1</translation>
    </message>
    <message>
        <source>bloque 2</source>
        <translation>bloque 2</translation>
    </message>
    <message>
        <source>El bloque 1 avanza hacia la polea y el bloque 2 baja.</source>
        <translation>O bloque 1 avanza cara á polea e o bloque 2 baixa.</translation>
    </message>
    <message>
        <source>La masa 1 baja y la masa 2 sube.</source>
        <translation>A masa 1 baixa e a masa 2 sobe.</translation>
    </message>
    <message>
        <source>La masa 2 baja y la masa 1 sube.</source>
        <translation>A masa 2 baixa e a masa 1 sobe.</translation>
    </message>
    <message>
        <source>masa 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia masa 1 (m)&quot;</extracomment>
        <translation>masa 1</translation>
    </message>
    <message>
        <source>masa 2</source>
        <translation>masa 2</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>A column heading: %1 the quantity (Distancia, Velocidad, Ec), %2 the body (bloque 1, masa 2), %3 the unit. The data window shows the three parts on lines of their own.</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Aceleración (m/s²)</source>
        <translation>Aceleración (m/s²)</translation>
    </message>
    <message>
        <source>Tensión (N)</source>
        <translation>Tensión (N)</translation>
    </message>
    <message>
        <source>Aceleración: %1 m/s²</source>
        <translation>Aceleración: %1 m/s²</translation>
    </message>
    <message>
        <source>Tensión: %1 N</source>
        <translation>Tensión: %1 N</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>Column heading (table and CSV file)</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Masa</source>
        <extracomment>Column heading of the files: a body&apos;s mass, followed by the body and the unit</extracomment>
        <translation>Masa</translation>
    </message>
</context>
<context>
    <name>ScrollBridge</name>
    <message>
        <source> (el máximo)</source>
        <extracomment>Appended to a note: the scroll bar is at its highest value. Keep the leading blank</extracomment>
        <translation> (o máximo)</translation>
    </message>
    <message>
        <source> (el mínimo)</source>
        <extracomment>Appended to a note: the scroll bar is at its lowest value. Keep the leading blank</extracomment>
        <translation> (o mínimo)</translation>
    </message>
    <message>
        <source>%1 = %2%3 se muestra como %4%3%5</source>
        <extracomment>A problem&apos;s value the scroll bar cannot hold: %1 the symbol (m₁, μ, θ), %2 the value given, %3 its unit (may be empty), %4 the value the bar shows, %5 empty or &quot; (el máximo)&quot; / &quot; (el mínimo)&quot;</extracomment>
        <translation>%1 = %2%3 móstrase como %4%3%5</translation>
    </message>
    <message>
        <source>«%1» no es un número (escribe %2); %3 sigue en %4%5</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the same number as it must be written, %3 the symbol (m₁, μ, θ), %4 the value its scroll bar keeps, %5 its unit (may be empty)</extracomment>
        <translation>«%1» non é un número (escribe %2); %3 segue en %4%5</translation>
    </message>
    <message>
        <source>«%1» no es un número; %2 sigue en %3%4</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the symbol (m₁, μ, θ), %3 the value its scroll bar keeps, %4 its unit (may be empty)</extracomment>
        <translation>«%1» non é un número; %2 segue en %3%4</translation>
    </message>
    <message>
        <source>%1 = %2%3 no cabe en la barra (de %4%3 a %5%3); sigue en %6%3</source>
        <extracomment>A simulation field refused a number its scroll bar cannot reach: %1 the symbol, %2 the number typed, %3 its unit (may be empty), %4 and %5 the ends of the bar, %6 the value the bar keeps</extracomment>
        <translation>%1 = %2%3 non cabe na barra (de %4%3 a %5%3); segue en %6%3</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Ampliar dibujo</source>
        <extracomment>Check box of the simulations: blocks and force arrows drawn larger, for a class to see</extracomment>
        <translation>Ampliar debuxo</translation>
    </message>
    <message>
        <source>Bloques y flechas de fuerza más grandes, para proyectar ante la clase</source>
        <translation>Bloques e frechas de forza máis grandes, para proxectar diante da clase</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>en quilogramos</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metros por segundo ao cadrado</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>en segundos</source>
        <translation>en segundos</translation>
    </message>
    <message>
        <source>en metros</source>
        <translation>en metros</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>en graos</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Laboratorio Virtual de Física</source>
        <translation>Laboratorio virtual de Física</translation>
    </message>
    <message>
        <source>Curso de Mecánica Clásica</source>
        <translation>Curso de mecánica clásica</translation>
    </message>
    <message>
        <source>Emblema de Cuestaval</source>
        <translation>Emblema de Cuestaval</translation>
    </message>
    <message>
        <source>Un bloque sobre un plano inclinado, unido por una cuerda que pasa por una polea a un bloque que cuelga.</source>
        <translation>Un bloque sobre un plano inclinado, unido por unha corda que pasa por unha polea a un bloque que colga.</translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message>
        <source>La ventana muestra el mensaje «%1».</source>
        <translation>A xanela mostra a mensaxe «%1».</translation>
    </message>
    <message>
        <source>Qué puedes cambiar:</source>
        <extracomment>Lead-in of the advice after the condition that stopped the case.</extracomment>
        <translation>Que podes cambiar:</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Resolución: %1</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>indeterminado</source>
        <translation>indeterminado</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>No se ha podido guardar la escala de las ventanas para la próxima vez.</source>
        <translation>Non se puido gardar a escala das xanelas para a próxima vez.</translation>
    </message>
</context>
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Atrás</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Acerca de Cuestaval</source>
        <translation>Acerca de Cuestaval</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval</source>
        <translation>Axuda de Cuestaval</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval: %1</source>
        <translation>Axuda de Cuestaval: %1</translation>
    </message>
</context>
<context>
    <name>class_sets::ClassSetDialog</name>
    <message>
        <source>Preparar una hoja</source>
        <translation>Preparar unha folla</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>The problem or the question of a class set: each student gets one drawn from their code.</extracomment>
        <translation>Calquera</translation>
    </message>
    <message>
        <source>Al azar</source>
        <translation>Ao chou</translation>
    </message>
    <message>
        <source>Desde el número</source>
        <translation>Desde o número</translation>
    </message>
    <message>
        <source>Número del primer código</source>
        <translation>Número do primeiro código</translation>
    </message>
    <message>
        <source>Hoja para los alumnos (PDF)</source>
        <translation>Folla para os alumnos (PDF)</translation>
    </message>
    <message>
        <source>Clave de respuestas, con las resoluciones (PDF)</source>
        <translation>Solucionario, coas resolucións (PDF)</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle (XML)</source>
        <translation>Banco de preguntas de Moodle (XML)</translation>
    </message>
    <message>
        <source>Archivos</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Guardar en una carpeta…</source>
        <translation>Gardar nun cartafol…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Problema:</source>
        <translation>Problema:</translation>
    </message>
    <message>
        <source>Pregunta:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Alumnos:</source>
        <translation>Alumnos:</translation>
    </message>
    <message>
        <source>Primer código:</source>
        <translation>Primeiro código:</translation>
    </message>
    <message>
        <source>El primer número se elige al azar al guardar.</source>
        <translation>O primeiro número escóllese ao chou ao gardar.</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <translation>Código: %1</translation>
    </message>
    <message>
        <source>Códigos: %1 a %2</source>
        <translation>Códigos: %1 a %2</translation>
    </message>
    <message>
        <source>Carpeta donde guardar la hoja</source>
        <translation>Cartafol onde gardar a folla</translation>
    </message>
    <message>
        <source>Archivos guardados en %1:</source>
        <translation>Ficheiros gardados en %1:</translation>
    </message>
</context>
<context>
    <name>run_data::DataWindow</name>
    <message>
        <source>Datos y gráficas: %1</source>
        <extracomment>Window title; %1 is the simulation, e.g. &quot;Plano horizontal&quot;</extracomment>
        <translation>Datos e gráficas: %1</translation>
    </message>
    <message>
        <source>Copiar</source>
        <extracomment>Button: copies the table to the clipboard</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copia la tabla para pegarla en una hoja de cálculo</source>
        <translation>Copia a táboa para pegala nunha folla de cálculo</translation>
    </message>
    <message>
        <source>Guardar CSV…</source>
        <translation>Gardar CSV…</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Gardar imaxe…</translation>
    </message>
    <message>
        <source>Dibujo de la simulación (PNG)…</source>
        <translation>Debuxo da simulación (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (PNG)…</source>
        <translation>Gráficas (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (SVG)…</source>
        <translation>Gráficas (SVG)…</translation>
    </message>
    <message>
        <source>Las gráficas no están disponibles: no se encontró el módulo de gráficas del programa. La tabla se puede copiar y guardar igualmente.</source>
        <translation>As gráficas non están dispoñibles: non se atopou o módulo de gráficas do programa. A táboa pódese copiar e gardar igualmente.</translation>
    </message>
    <message>
        <source>Movimiento en curso</source>
        <translation>Movemento en curso</translation>
    </message>
    <message>
        <source>Último movimiento: duró %1 s</source>
        <extracomment>%1 is the duration of the last run in seconds</extracomment>
        <translation>Último movemento: durou %1 s</translation>
    </message>
    <message>
        <source>Guardar</source>
        <extracomment>Title of the save-file dialog</extracomment>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>Táboa CSV (*.csv)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imaxe PNG (*.png)</translation>
    </message>
    <message>
        <source>Gráfico SVG (*.svg)</source>
        <translation>Gráfico SVG (*.svg)</translation>
    </message>
    <message>
        <source>Aún no hay movimiento: pulsa «Iniciar Movimiento» en la simulación.</source>
        <translation>Aínda non hai movemento: preme «Iniciar movemento» na simulación.</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» en la carpeta «%2». Elige una carpeta en la que se pueda escribir.</source>
        <extracomment>%1 is a file name, %2 the folder it was to be saved in</extracomment>
        <translation>Non se puido gardar «%1» no cartafol «%2». Escolle un cartafol no que se poida escribir.</translation>
    </message>
    <message>
        <source>Las energías son proporcionales a la masa; la aceleración no depende de ella.</source>
        <translation>As enerxías son proporcionais á masa; a aceleración non depende dela.</translation>
    </message>
    <message>
        <source>Masa del bloque para las energías:</source>
        <extracomment>Beside the box where the student sets the inclined plane&apos;s block mass</extracomment>
        <translation>Masa do bloque para as enerxías:</translation>
    </message>
    <message>
        <source>Energía</source>
        <extracomment>Title of the energy graph before a run has a strobe instant</extracomment>
        <translation>Enerxía</translation>
    </message>
    <message>
        <source>%1, bloque de %2 kg</source>
        <extracomment>Added to the energy graph&apos;s title on the inclined plane: %1 the title, %2 the mass the student set</extracomment>
        <translation>%1, bloque de %2 kg</translation>
    </message>
    <message>
        <source>Energía en t = %1 s</source>
        <extracomment>Title of the energy graph: %1 the time of the last strobe instant, in s</extracomment>
        <translation>Enerxía en t = %1 s</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <extracomment>Button: closes the data window</extracomment>
        <translation>Pechar</translation>
    </message>
</context>
<context>
    <name>solvers::WorkedSolutionDialog</name>
    <message>
        <source>Resolución</source>
        <extracomment>Title of the dialog with the worked solution (&quot;solution&quot;, not &quot;resolution&quot;).</extracomment>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Resolución paso a paso</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Gardar PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Resolución: %1</translation>
    </message>
    <message>
        <source>No se puede imprimir: falta el módulo de impresión de Cuestaval.</source>
        <translation>Non se pode imprimir: falta o módulo de impresión de Cuestaval.</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución. Comprueba la impresora.</source>
        <translation>Non se puido imprimir a resolución. Comproba a impresora.</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Gardar PDF</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar el PDF en «%1». Comprueba que la carpeta existe y que puedes escribir en ella.</source>
        <translation>Non se puido gardar o PDF en «%1». Comproba que o cartafol existe e que podes escribir nel.</translation>
    </message>
</context>
<context>
    <name>title::TitleWindow</name>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Continuar</source>
        <extracomment>Button: goes on to the next window</extracomment>
        <translation>Continuar</translation>
    </message>
</context>
</TS>
